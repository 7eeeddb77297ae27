#pragma once
// A main window started on the standard test files, with dialogs and banner answered by fakes.

#include <memory>

#include "app/ui/main_window.h"
#include "support/test_workspace.h"

namespace veyrin::testing {

struct MainWindowFixture {
    TestWorkspace workspace;
    FakeDialogs dialogs;
    RecordingBanner banner;
    std::unique_ptr<TForm1> form;

    MainWindowFixture() {
        workspace.writeStandardFiles();
        form = std::make_unique<TForm1>(workspace.paths());
    }
};

}  // namespace veyrin::testing
