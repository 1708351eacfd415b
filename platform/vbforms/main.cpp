// The runtime's main: shows the program's start-up form and runs until it is closed.
#include <QApplication>
#include <memory>

#include "vbforms/events.h"
#include "vbforms/project.h"

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(vbforms::kProject.name);
  QCoreApplication::setOrganizationName(vbforms::kProject.company);
  QCoreApplication::setApplicationVersion(vbforms::kProject.version);

  std::unique_ptr<vbforms::Form> form;
  if (!vbforms::RunEvent([&form] { form = vbforms::kProject.createStartupForm(); })) return 1;
  form->Show();
  return app.exec();
}
