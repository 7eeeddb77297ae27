#include "support/test_workspace.h"

#include <fstream>
#include <iterator>

#include "anthology/model/author_table.h"
#include "platform/model/gbk_text.h"
#include "windows/ui/web_banner.h"

namespace veyrin::testing {

std::string gbk(const char* utf8) { return gbk::fromUtf8(utf8); }

namespace {

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string twoDigits(int number) { return number < 10 ? "0" + std::to_string(number) : std::to_string(number); }

}  // namespace

TestWorkspace::TestWorkspace() {
    std::filesystem::create_directories(root() / "program");
}

AppPaths TestWorkspace::paths() const { return AppPaths{root(), root() / "program", {}}; }
std::filesystem::path TestWorkspace::root() const { return std::filesystem::path(dir_.path().toStdString()); }
std::filesystem::path TestWorkspace::dataDir() const { return root() / "Data" / "唐诗鉴赏"; }
std::filesystem::path TestWorkspace::temDir() const { return root() / "Tem"; }
std::filesystem::path TestWorkspace::settingsFile() const { return root() / "program" / "Tcini.ini"; }

void TestWorkspace::writeCatalogue(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        std::string number = std::to_string(i + 1);
        while (number.size() < 3) number = "0" + number;
        bytes += number + " " + (i < kAuthorCount ? authorName(i) : std::string("extra")) + "\r\n";
    }
    writeBytes(dataDir() / "list.txt", bytes);
}

void TestWorkspace::writeEntry(int catalogueIndex, const std::string& gbkText) {
    writeBytes(dataDir() / (twoDigits(catalogueIndex + 1) + ".txt"), gbkText);
}

void TestWorkspace::writeEntries(int count) {
    for (int i = 0; i < count; ++i) writeEntry(i, "entry " + std::to_string(i + 1) + "\r\n" + authorName(i));
}

void TestWorkspace::writeTem(const std::string& name, const std::string& bytes) { writeBytes(temDir() / name, bytes); }

void TestWorkspace::writeSettings(const std::string& bytes) { writeBytes(settingsFile(), bytes); }

void TestWorkspace::writeStandardFiles() {
    writeCatalogue(190);
    writeEntries(190);
    writeTem("00.dat", "welcome\r\nsecond line");
    writeTem("01.dat", "");
    writeTem("02.dat", "");
}

std::string TestWorkspace::read(const std::filesystem::path& path) const {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

FakeDialogs::FakeDialogs() : previous_(installDialogService(this)) {}
FakeDialogs::~FakeDialogs() { installDialogService(previous_); }

namespace {

class Recorder final : public WebBanner {
public:
    explicit Recorder(RecordingBanner& owner) : owner_(owner) {}
    void navigate(const QString& url) override { owner_.navigations << url; }
    void refresh() override { ++owner_.refreshes; }
    QWidget* view() override { return nullptr; }

private:
    RecordingBanner& owner_;
};

}  // namespace

RecordingBanner::RecordingBanner() {
    installWebBannerFactory([this](QWidget*) { return std::make_unique<Recorder>(*this); });
}

RecordingBanner::~RecordingBanner() { installWebBannerFactory(nullptr); }

}  // namespace veyrin::testing
