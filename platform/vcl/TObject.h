// The sender of an event is any object of the window.
#pragma once

#include <QObject>

using TObject = QObject;
