// The reference for the start-up benchmark: the least a Qt Widgets program does to show what
// the program shows at start-up, one window after another: a frame with a menu bar of seven
// menus across the top, a second window painted and closed again, then a third window painted.
// It includes Qt directly on purpose, because it measures Qt itself and is no part of the
// program.
//
// It prints "first-paint-us <microseconds since 1970>" once it has asked for the third window's
// paint, at the point where the program reports its chamber, and then quits.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

class PaintedWindow : public QWidget {
public:
    PaintedWindow(const char* title, QRect geometry)
    {
        setWindowTitle(title);
        setGeometry(geometry);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
    }
};

// Shows a window and paints it now, as the program's UpdateWindow does.
void ShowPainted(QWidget& window)
{
    window.show();
    window.repaint();
}

void ReportFirstPaint()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::printf("first-paint-us %lld\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
    std::fflush(stdout);
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow frame;
    frame.setWindowTitle("Bare");
    for (const char* title : {"File", "Actions", "Settings", "Show", "Event", "Trackmaker", "Reminders"}) {
        QMenu* menu = frame.menuBar()->addMenu(title);
        for (const char* item : {"First", "Second", "Third"})
            menu->addAction(item);
    }
    frame.setGeometry(0, 0, 1280, 48);
    ShowPainted(frame);

    {
        PaintedWindow splash("Splash", {440, 362, 400, 300});
        ShowPainted(splash);
    }
    PaintedWindow chamber("Chamber", {0, 40, 640, 440});
    ShowPainted(chamber);
    ReportFirstPaint();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
