#pragma once

#include <new>

#include "platform/model/app_error.h"
#include "platform/ui/dialog_service.h"

namespace veyrin {

template <typename Action>
bool runReportingErrors(QWidget* parent, Action&& action) {
    try {
        action();
        return true;
    } catch (const AppError& error) {
        reportError(parent, error.what());
    } catch (const std::bad_alloc&) {
        // A file too large for memory must not end the program and lose the reader's work.
        reportError(parent, "Out of memory");
    } catch (const std::exception& error) {
        reportError(parent, error.what());
    }
    return false;
}

}  // namespace veyrin
