#pragma once
// The application object: title "Veyrin", and the one place where an error escaping an event
// handler is caught and shown in the error box. The handler's remaining steps are skipped by the
// exception itself; the program keeps running.

#include <QApplication>

namespace veyrin {

class VeyrinApplication : public QApplication {
    Q_OBJECT
public:
    VeyrinApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Runs `action`; an AppError it raises is reported through the error box and false is returned.
template <typename Action>
bool runReportingErrors(QWidget* parent, Action&& action);

}  // namespace veyrin

#include "app/ui/veyrin_application_impl.h"
