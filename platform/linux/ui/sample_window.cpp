// A sample window for the demonstration: an ordinary top-level window whose title the program stamps.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const QString title = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("Окно-образец");
  QLabel window(QStringLiteral("Ларцен дописывает время к заголовку этого окна."));
  window.setWindowTitle(title);
  window.setAlignment(Qt::AlignCenter);
  window.setMargin(24);
  window.resize(480, 160);
  window.show();
  window.activateWindow();
  return QApplication::exec();
}
