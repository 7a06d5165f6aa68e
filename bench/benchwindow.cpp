// One measured run of a window: either the program's own window or the least
// Qt Widgets window that shows text (the baseline). Prints key=value lines
// for the driver and exits.
//
//   bench_window program|baseline            start-up, memory, idle cost
//   bench_window program|baseline ticks      timing of 20 highlights' ticks
//   bench_window program zoom                20 zoom steps, key to new frame
//   bench_window program teacher             the dial's repaint, teacher's view off and on

#include "app/applicationsetup.h"
#include "app/mainwindow.h"
#include "widgets/clockdial.h"
#include "widgets/dialoverlay.h"
#include "widgets/hourlist.h"

#include <QAction>
#include <QApplication>
#include <QTest>


#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QTimer>
#include <QWindow>

#include <sys/resource.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

QElapsedTimer sinceMain;

double nowMs()
{
    return double(sinceMain.nsecsElapsed()) / 1e6;
}

// Calls `f` for every event of the given type that reaches `object`.
class EventWatch : public QObject
{
public:
    EventWatch(QObject *object, QEvent::Type type, std::function<void(QEvent *)> f)
        : m_type(type), m_f(std::move(f))
    {
        object->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == m_type)
            m_f(event);
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<void(QEvent *)> m_f;
};

long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

struct Usage
{
    double cpuMs;
    long wakeups;
};

Usage usage()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return {(r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1e3 + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e3,
            r.ru_nvcsw + r.ru_nivcsw};
}

void print(const char *key, double value)
{
    std::printf("%s=%.3f\n", key, value);
}

// The least window that shows text: the same size and font as the program's.
std::unique_ptr<QWidget> baselineWindow(QWidget *&painted)
{
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(489, 431);
    window->setFont(QFont(QStringLiteral("Times New Roman"), 12));
    auto *label = new QLabel(QStringLiteral("Ravelinta"), window.get());
    label->move(56, 0);
    painted = label;
    return window;
}

} // namespace

int main(int argc, char *argv[])
{
    sinceMain.start();
    const bool program = argc > 1 && qstrcmp(argv[1], "program") == 0;
    const bool ticks = argc > 2 && qstrcmp(argv[2], "ticks") == 0;
    const bool zoom = program && argc > 2 && qstrcmp(argv[2], "zoom") == 0;
    const bool teacher = program && argc > 2 && qstrcmp(argv[2], "teacher") == 0;
    const bool construction = program && argc > 2 && qstrcmp(argv[2], "construction") == 0;
    argc = 1;

    QApplication app(argc, argv);
    const double appAt = nowMs();
    double setUpAt = appAt;
    std::unique_ptr<QWidget> window;
    QWidget *painted = nullptr; // the dial, or the baseline's label
    if (program) {
        setUpApplication(app);
        setUpAt = nowMs();
        window = std::make_unique<MainWindow>();
        painted = window->findChild<QWidget *>(QStringLiteral("Picture1"));
    } else {
        window = baselineWindow(painted);
    }
    const double builtAt = nowMs();
    window->show();
    const double shownAt = nowMs();

    double execAt = 0, exposedAt = -1, paintedAt = -1;
    EventWatch exposed(window->windowHandle(), QEvent::Expose, [&](QEvent *) {
        if (exposedAt < 0 && window->windowHandle()->isExposed())
            exposedAt = nowMs();
    });
    EventWatch firstPaint(painted, QEvent::Paint, [&](QEvent *) {
        if (paintedAt < 0)
            paintedAt = nowMs();
    });

    if (zoom) {
        window->activateWindow(); // shortcuts go to the active window
        // Twenty steps, up to 250 % and back down twice: from the key press to
        // the first paint of the dial at its new size.
        const std::array<Qt::Key, 2> keys = {Qt::Key_Plus, Qt::Key_Minus};
        int step = 0;
        int dialWidth = painted->width();
        double pressedAt = 0;
        QList<double> latencies;
        EventWatch frames(painted, QEvent::Paint, [&](QEvent *) {
            if (painted->width() != dialWidth && pressedAt > 0) {
                latencies.append(nowMs() - pressedAt);
                dialWidth = painted->width();
                pressedAt = 0;
            }
        });
        std::function<void()> next = [&] {
            if (step == 20) {
                std::sort(latencies.begin(), latencies.end());
                print("zoom_step_median_ms", latencies.value(latencies.size() / 2, -1));
                print("zoom_step_max_ms", latencies.isEmpty() ? -1 : latencies.last());
                print("zoom_steps", double(latencies.size()));
                QCoreApplication::quit();
                return;
            }
            const Qt::Key key = keys[(step / 5) % 2];
            ++step;
            pressedAt = nowMs();
            QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::ControlModifier);
            QApplication::sendEvent(window->focusWidget(), &press);
            QApplication::sendEvent(window->focusWidget(), &release);
            QTimer::singleShot(300, &app, next);
        };
        QTimer::singleShot(500, &app, next);
        return app.exec();
    }

    if (teacher) {
        // The dial repainted whole, 50 times, with the teacher's view off and
        // on after a press, at 100 % and at 250 % (the largest step on the
        // projector's screen): the median of each.
        auto *dial = window->findChild<ClockDial *>();
        QAction *view = nullptr;
        for (QAction *action : window->actions()) {
            if (action->isCheckable() && action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_T))
                view = action;
        }
        const auto median = [&] {
            QList<double> times;
            for (int run = 0; run < 50; ++run) {
                const double start = nowMs();
                painted->repaint();
                times.append(nowMs() - start);
            }
            std::sort(times.begin(), times.end());
            return times.at(times.size() / 2);
        };
        QTimer::singleShot(500, &app, [&] {
            dial->chooseHour(1, true);
            for (const int percent : {100, 250}) {
                if (percent != 100) {
                    window->resize(1223, 1078);
                    QTest::qWait(500);
                }
                view->setChecked(false);
                print(QStringLiteral("teacher_off_%1_ms").arg(percent).toLatin1().constData(), median());
                view->setChecked(true);
                print(QStringLiteral("teacher_on_%1_ms").arg(percent).toLatin1().constData(), median());
            }
            QCoreApplication::quit();
        });
        return app.exec();
    }

    if (construction) {
        // At 400 %, the construction's last step drawn in (step 6's strokes
        // already there): each frame's paint of the dial's top layer, where
        // the construction is drawn, and the program's CPU time for the
        // whole step (each piece drawn in, each paint, each flush to the
        // screen) over the frames painted.
        const auto action = [&](const QKeySequence &keys) {
            for (QAction *each : window->actions()) {
                if (each->shortcuts().contains(keys))
                    return each;
            }
            qFatal("no action for %s", qPrintable(keys.toString()));
        };
        auto *overlay = painted->findChild<DialOverlay *>();
        QList<double> frames;
        bool measuring = false;
        class PaintTimer : public QObject
        {
        public:
            std::function<void(double)> done;

        protected:
            bool eventFilter(QObject *watched, QEvent *event) override
            {
                if (event->type() != QEvent::Paint)
                    return false;
                const double start = nowMs();
                static_cast<QObject *>(watched)->event(event);
                done(nowMs() - start);
                return true;
            }
        } timer;
        timer.done = [&](double ms) {
            if (measuring)
                frames.append(ms);
        };
        overlay->installEventFilter(&timer);
        QTimer::singleShot(500, &app, [&] {
            window->resize(1956, 1724);
            QTest::qWait(500);
            action(QKeySequence(Qt::CTRL | Qt::Key_K))->trigger();
            action(QKeySequence(Qt::Key_End))->trigger();
            action(QKeySequence(Qt::Key_PageUp))->trigger();
            QTest::qWait(300);
            measuring = true;
            const Usage before = usage();
            action(QKeySequence(Qt::Key_PageDown))->trigger();
            QTest::qWait(900);
            const double cpu = usage().cpuMs - before.cpuMs;
            measuring = false;
            print("construction_cpu_per_frame_ms", frames.isEmpty() ? -1 : cpu / frames.size());
            std::sort(frames.begin(), frames.end());
            print("construction_frame_median_ms", frames.value(frames.size() / 2, -1));
            print("construction_frame_max_ms", frames.isEmpty() ? -1 : frames.last());
            print("construction_frames", double(frames.size()));
            QCoreApplication::quit();
        });
        return app.exec();
    }

    if (!ticks) {
        // Start-up; peak memory a second later; then five idle seconds.
        long timerEvents = 0;
        EventWatch timers(&app, QEvent::Timer, [&](QEvent *) { ++timerEvents; });
        QTimer::singleShot(1000, &app, [&] {
            print("start_to_application_ms", appAt);
            print("application_setup_ms", setUpAt - appAt);
            print("window_construction_ms", builtAt - setUpAt);
            print("show_ms", shownAt - builtAt);
            print("start_to_exposed_ms", exposedAt);
            print("exec_to_exposed_ms", exposedAt - execAt);
            print("exec_to_first_paint_ms", paintedAt - execAt);
            print("start_to_first_paint_ms", paintedAt);
            print("peak_rss_kb", double(peakResidentKb()));
            const Usage before = usage();
            timerEvents = 0;
            auto *idle = new QTimer(&app);
            idle->setSingleShot(true);
            idle->setTimerType(Qt::PreciseTimer);
            QObject::connect(idle, &QTimer::timeout, &app, [&, before] {
                const Usage after = usage();
                print("idle_cpu_ms", after.cpuMs - before.cpuMs);
                // Both counts include this harness's own timer, once.
                print("idle_wakeups", double(after.wakeups - before.wakeups));
                print("idle_timer_events", double(timerEvents));
                QCoreApplication::quit();
            });
            idle->start(5000);
        });
        execAt = nowMs();
        return app.exec();
    }

    // Twenty highlights, each from idle: when each tick arrives against its
    // ideal multiple of 100 ms, and how much is repainted on each.
    QTimer *timer = program ? window->findChild<QTimer *>(QStringLiteral("Timer1")) : new QTimer(&app);
    if (!program) {
        timer->setInterval(100);
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer, &QTimer::timeout, &app, [timer, count = 0]() mutable {
            if (++count % 13 == 0)
                timer->stop();
        });
    }
    auto *hours = program ? window->findChild<HourList *>(QStringLiteral("List1(1)")) : nullptr;

    int highlight = 0, tick = 0;
    double startedAt = 0;
    QList<double> errors;
    QList<qint64> repainted(14, 0); // pixels repainted after tick k (0: the choice itself)
    qint64 repaintedMaxQuiet = 0;
    QList<qint64> current(14, 0);
    EventWatch tickWatch(timer, QEvent::Timer, [&](QEvent *) {
        ++tick;
        errors.append(nowMs() - startedAt - 100.0 * tick);
    });
    std::vector<std::unique_ptr<EventWatch>> paintWatches;
    const QList<QWidget *> dialWidgets = program ? painted->findChildren<QWidget *>() << painted : QList<QWidget *>{};
    for (QWidget *widget : dialWidgets) {
        paintWatches.push_back(std::make_unique<EventWatch>(widget, QEvent::Paint, [&](QEvent *event) {
            const QRegion region = static_cast<QPaintEvent *>(event)->region();
            qint64 area = 0;
            for (const QRect &rect : region)
                area += qint64(rect.width()) * rect.height();
            current[std::min(tick, 13)] += area;
        }));
    }

    std::function<void()> next = [&] {
        if (highlight > 0) {
            repainted[1] = std::max(repainted[1], current[1]);
            repainted[13] = std::max(repainted[13], current[13]);
            for (int k = 2; k <= 12; ++k)
                repaintedMaxQuiet = std::max(repaintedMaxQuiet, current[k]);
        }
        if (highlight == 20) {
            std::sort(errors.begin(), errors.end(), [](double a, double b) { return qAbs(a) < qAbs(b); });
            print("tick_abs_error_median_ms", qAbs(errors.at(errors.size() / 2)));
            print("tick_abs_error_max_ms", qAbs(errors.last()));
            print("ticks", double(errors.size()));
            print("repaint_first_tick_px", double(repainted[1]));
            print("repaint_quiet_ticks_max_px", double(repaintedMaxQuiet));
            print("repaint_last_tick_px", double(repainted[13]));
            print("dial_px", double(painted->width() * painted->height()));
            QCoreApplication::quit();
            return;
        }
        ++highlight;
        tick = 0;
        current.fill(0);
        startedAt = nowMs();
        if (program)
            hours->setCurrentIndex(hours->model()->index(highlight % 12, 0));
        else
            timer->start();
        QTimer::singleShot(1600, &app, next);
    };
    QTimer::singleShot(500, &app, next);
    return app.exec();
}
