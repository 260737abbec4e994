// The yardsticks of the start-up figure: the smallest Qt Widgets program, one empty window, or with
// "--words" one window of a line of text (the fonts found and loaded, as any window with words
// needs). Like Quorvan under QUORVAN_TELL_SHOWN, it writes "shown" once its first window has painted.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

class FirstPaint : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!told_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            told_ = true;
            QTimer::singleShot(0, [] {
                std::fputs("shown\n", stdout);
                std::fflush(stdout);
            });
        }
        return false;
    }

  private:
    bool told_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.installEventFilter(new FirstPaint(&app));
    QWidget window;
    if (argc > 1 && QByteArray(argv[1]) == "--words")
        new QLabel(QStringLiteral("Hello, world"), &window);
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
