#include "vbforms/run_time_error.h"

namespace vbforms {

RunTimeError::RunTimeError(int number, const QString &description)
    : std::runtime_error(
          QString("run-time error %1: %2").arg(number).arg(description).toStdString()),
      number_(number),
      description_(description) {}

QString RunTimeError::message() const {
  return QString("实时错误 '%1'：\n\n%2").arg(number_).arg(description_);
}

}  // namespace vbforms
