// Running the forms' event handlers: an error inside one is reported to the user and ends
// only that handler; nothing reaches Qt's event loop and the program goes on.
#pragma once

#include <QString>
#include <functional>

namespace vbforms {

// Shows the report of an error that ended an event handler.
using ErrorReport = std::function<void(const QString &message)>;

// Replaces how errors are reported and returns the previous way. The runtime's own shows a
// modal message box; tests install one that records the message instead.
ErrorReport SetErrorReport(ErrorReport report);

// Runs handler. A RunTimeError or any other exception it throws is reported; returns false
// when one did.
bool RunEvent(const std::function<void()> &handler);

}  // namespace vbforms
