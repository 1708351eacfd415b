#include "vbforms/events.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <new>

#include "vbforms/run_time_error.h"

namespace vbforms {
namespace {

void ShowMessageBox(const QString &message) {
  QMessageBox::critical(QApplication::activeWindow(), QCoreApplication::applicationName(), message);
}

ErrorReport &CurrentReport() {
  static ErrorReport report = ShowMessageBox;
  return report;
}

}  // namespace

ErrorReport SetErrorReport(ErrorReport report) {
  ErrorReport previous = std::move(CurrentReport());
  CurrentReport() = report ? std::move(report) : ShowMessageBox;
  return previous;
}

bool RunEvent(const std::function<void()> &handler) {
  QString message;
  try {
    handler();
    return true;
  } catch (const RunTimeError &e) {
    message = e.message();
  } catch (const std::bad_alloc &) {
    message = "实时错误 '7'：\n\n内存不足";
  } catch (const std::exception &e) {
    message = QString("运行时错误：\n\n%1").arg(QString::fromUtf8(e.what()));
  } catch (...) {
    message = "运行时错误：未知错误";
  }
  CurrentReport()(message);
  return false;
}

}  // namespace vbforms
