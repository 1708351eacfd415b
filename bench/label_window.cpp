// The start-up baseline: a bare Qt window that shows one label (Chinese, as the two
// programs' windows are).
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QLabel label("《Quenlo短信》编程接口示例");
  label.show();
  return app.exec();
}
