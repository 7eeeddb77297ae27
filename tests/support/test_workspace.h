#pragma once
// A temporary working directory and program directory for widget tests of the main window: the
// catalogue, entry files and Tem files are written as GBK, and the dialogs and banner are
// replaced by recording fakes.

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/ui/app_paths.h"
#include "platform/ui/dialog_service.h"

namespace veyrin::testing {

std::string gbk(const char* utf8);

class TestWorkspace {
public:
    TestWorkspace();
    AppPaths paths() const;
    std::filesystem::path root() const;
    std::filesystem::path dataDir() const;   // <root>/Data/唐诗鉴赏
    std::filesystem::path temDir() const;    // <root>/Tem
    std::filesystem::path settingsFile() const;

    // A catalogue of `count` lines "NNN name" and the entry files 01.txt ... for `entries` of them.
    void writeCatalogue(int count);
    void writeEntry(int catalogueIndex, const std::string& gbkText);
    void writeEntries(int count);
    void writeTem(const std::string& name, const std::string& bytes);
    void writeSettings(const std::string& bytes);
    void writeStandardFiles();  // catalogue of 190, entries 1..190, Tem 00/01/02
    std::string read(const std::filesystem::path& path) const;

private:
    QTemporaryDir dir_;
};

// Answers dialogs without showing them and records what was asked.
class FakeDialogs : public DialogService {
public:
    FakeDialogs();
    ~FakeDialogs() override;

    QStringList errors;
    QStringList messages;
    std::optional<ChosenFont> fontAnswer;
    std::optional<TColor> colorAnswer;
    std::vector<ChosenFont> fontRequests;
    std::vector<TColor> colorRequests;

    void showError(QWidget*, const QString& text) override { errors << text; }
    void showMessage(QWidget*, const QString& text) override { messages << text; }
    std::optional<ChosenFont> chooseFont(QWidget*, const ChosenFont& initial) override {
        fontRequests.push_back(initial);
        return fontAnswer;
    }
    std::optional<TColor> chooseColor(QWidget*, TColor initial) override {
        colorRequests.push_back(initial);
        return colorAnswer;
    }

private:
    DialogService* previous_;
};

// Replaces the web banner with a recorder for the lifetime of the object.
class RecordingBanner {
public:
    RecordingBanner();
    ~RecordingBanner();
    QStringList navigations;
    int refreshes = 0;
};

}  // namespace veyrin::testing
