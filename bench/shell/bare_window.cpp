// The reference for the start-up benchmark: the least a Qt Widgets program does to show one
// 640 x 500 window. It includes Qt directly on purpose, because it measures Qt itself and is
// no part of the program.
//
// It prints "first-paint-us <microseconds since 1970>" after its first paint and then quits.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

class BareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.end();
        if (!reported_) {
            reported_ = true;
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("first-paint-us %lld\n",
                        static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
    }

private:
    bool reported_ = false;
};

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BareWindow window;
    window.setWindowTitle("Bare");
    window.setGeometry(0, 40, 640, 500);
    window.show();
    return app.exec();
}
