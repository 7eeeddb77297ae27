#pragma once

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
        return false;
    }
}

}  // namespace veyrin
