// Collects the runtime's error reports instead of showing message boxes, for one scope.
#pragma once

#include <QString>
#include <QStringList>

#include "vbforms/events.h"

class ReportCatcher {
 public:
  ReportCatcher()
      : previous_(vbforms::SetErrorReport([this](const QString &m) { messages_ << m; })) {}
  ~ReportCatcher() { vbforms::SetErrorReport(std::move(previous_)); }
  ReportCatcher(const ReportCatcher &) = delete;
  ReportCatcher &operator=(const ReportCatcher &) = delete;

  const QStringList &messages() const { return messages_; }

 private:
  QStringList messages_;
  vbforms::ErrorReport previous_;
};
