// Runs the program's window and the baseline window side by side under
// Xvfb, alternating, and prints one table of median, min and max; writes the
// same table to the results file.
//
//   bench_driver BENCH_WINDOW RESULTS.md [ROUNDS]

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSysInfo>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

using Samples = QMap<QString, QList<double>>;

struct Stats
{
    double median, min, max;
};

Stats stats(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    const double median = n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
    return {median, values.first(), values.last()};
}

bool runOnce(const QString &window, const QStringList &arguments, const QProcessEnvironment &environment,
             Samples &samples)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(window, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        std::fprintf(stderr, "bench: %s %s failed\n", qPrintable(window), qPrintable(arguments.join(u' ')));
        return false;
    }
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            samples[QString::fromLatin1(line.left(eq))].append(line.mid(eq + 1).toDouble());
    }
    return true;
}

QString machine()
{
    QString model;
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (cpuinfo.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : cpuinfo.readAll().split('\n')) {
            if (line.startsWith("model name")) {
                model = QString::fromLatin1(line.mid(line.indexOf(':') + 1).trimmed());
                break;
            }
        }
    }
    return QStringLiteral("%1, %2 cores, %3").arg(model).arg(QThread::idealThreadCount()).arg(QSysInfo::prettyProductName());
}

// Starts an X server of `size` on a free display, for the windows run in `environment`.
bool startXvfb(QProcess &xvfb, const QString &size, QProcessEnvironment &environment)
{
    xvfb.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                         QStringLiteral("0"), size + QStringLiteral("x24"), QStringLiteral("-dpi"),
                                         QStringLiteral("96"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!xvfb.waitForStarted() || !xvfb.waitForReadyRead(10000))
        return false;
    environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), u':' + QString::fromLatin1(xvfb.readLine()).trimmed());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: bench_driver BENCH_WINDOW RESULTS.md [ROUNDS]\n");
        return 2;
    }
    const QString window = args.at(1);
    const int rounds = args.size() > 3 ? args.at(3).toInt() : 8;

    // The window as on a pupil's screen, and zoom on a projector's.
    QProcess xvfb, projector;
    QProcessEnvironment environment, projectorEnvironment;
    if (!startXvfb(xvfb, QStringLiteral("640x480"), environment)
        || !startXvfb(projector, QStringLiteral("1920x1080"), projectorEnvironment)) {
        std::fprintf(stderr, "bench: cannot start Xvfb\n");
        return 1;
    }

    Samples program, baseline, discard;
    const QString p = QStringLiteral("program"), b = QStringLiteral("baseline"), t = QStringLiteral("ticks");
    bool ok = runOnce(window, {p}, environment, discard) && runOnce(window, {b}, environment, discard);
    for (int round = 0; ok && round < rounds; ++round) {
        std::fprintf(stderr, "bench: round %d of %d\n", round + 1, rounds);
        ok = runOnce(window, {p}, environment, program) && runOnce(window, {b}, environment, baseline);
    }
    std::fprintf(stderr, "bench: ticks\n");
    ok = ok && runOnce(window, {p, t}, environment, program) && runOnce(window, {b, t}, environment, baseline);
    std::fprintf(stderr, "bench: zoom\n");
    ok = ok && runOnce(window, {p, QStringLiteral("zoom")}, projectorEnvironment, program);
    std::fprintf(stderr, "bench: teacher's view\n");
    ok = ok && runOnce(window, {p, QStringLiteral("teacher")}, projectorEnvironment, program);
    std::fprintf(stderr, "bench: construction\n");
    ok = ok && runOnce(window, {p, QStringLiteral("construction")}, projectorEnvironment, program);
    for (QProcess *server : {&xvfb, &projector}) {
        server->terminate();
        server->waitForFinished();
    }
    if (!ok)
        return 1;

    struct Row
    {
        const char *key, *label, *target;
    };
    const Row rows[] = {
        {"start_to_application_ms", "start-up: main() to QApplication made (ms)", ""},
        {"application_setup_ms", "start-up: application set-up, translations (ms)", ""},
        {"window_construction_ms", "start-up: window and controls built, dial drawn (ms)", ""},
        {"show_ms", "start-up: show() (ms)", ""},
        {"start_to_exposed_ms", "start-up: main() to window exposed (ms)", "<= 1.15x"},
        {"exec_to_exposed_ms", "start-up: exec() to window exposed (ms)", "<= 1.15x"},
        {"exec_to_first_paint_ms", "start-up: exec() to first paint of dial / label (ms)", "<= 1.15x"},
        {"start_to_first_paint_ms", "start-up: main() to first paint of dial / label (ms)", "<= 1.15x"},
        {"peak_rss_kb", "peak resident memory 1 s after start (KiB)", "<= 1.15x"},
        {"idle_cpu_ms", "idle: CPU time over 5 s (ms)", "~ baseline"},
        {"idle_wakeups", "idle: context switches over 5 s, all threads", "= baseline"},
        {"idle_timer_events", "idle: timer events over 5 s (1 is the harness's)", "= baseline"},
        {"tick_abs_error_median_ms", "ticks: median abs error against the ideal multiple of 100 ms (ms)", "<= 2"},
        {"tick_abs_error_max_ms", "ticks: max abs error (ms)", "<= 5"},
        {"repaint_first_tick_px", "repaint: tick 1, pixels (dial client and children)", "marker + label"},
        {"repaint_quiet_ticks_max_px", "repaint: ticks 2-12, most pixels on any", "0"},
        {"repaint_last_tick_px", "repaint: tick 13, pixels", "marker + label"},
        {"dial_px", "the whole dial, pixels", ""},
        {"zoom_step_median_ms", "zoom: one step, key press to the dial painted at its new size, median (ms)", "< 16"},
        {"zoom_step_max_ms", "zoom: the same, worst of 20 steps (ms)", ""},
        {"teacher_off_100_ms", "dial repaint, teacher's view off, 100 %, median of 50 (ms)", ""},
        {"teacher_on_100_ms", "dial repaint, teacher's view on after a press, 100 % (ms)", "<= off + 2"},
        {"teacher_off_250_ms", "dial repaint, teacher's view off, 250 % (ms)", ""},
        {"teacher_on_250_ms", "dial repaint, teacher's view on after a press, 250 % (ms)", "<= off + 2"},
        {"construction_frame_median_ms", "construction: a frame's paint as the last step is drawn in, 400 %, median (ms)", "<= 2"},
        {"construction_frame_max_ms", "construction: the same, worst frame (ms)", "<= 2"},
        {"construction_cpu_per_frame_ms", "construction: the program's CPU time for the step over its frames (ms)", "<= 2"},
        {"construction_frames", "construction: frames painted in the step's 0.6 s", ""},
    };

    QString table;
    QTextStream out(&table);
    out << "| measure | program median (min-max) | baseline median (min-max) | ratio | target |\n";
    out << "|---|---|---|---|---|\n";
    auto cell = [](const QList<double> &values) {
        if (values.isEmpty())
            return QStringLiteral("-");
        const Stats s = stats(values);
        return QStringLiteral("%1 (%2-%3)").arg(s.median, 0, 'f', 2).arg(s.min, 0, 'f', 2).arg(s.max, 0, 'f', 2);
    };
    for (const Row &row : rows) {
        const QString key = QString::fromLatin1(row.key);
        const QList<double> mine = program.value(key), theirs = baseline.value(key);
        QString ratio = QStringLiteral("-");
        if (!mine.isEmpty() && !theirs.isEmpty() && stats(theirs).median != 0)
            ratio = QStringLiteral("%1x").arg(stats(mine).median / stats(theirs).median, 0, 'f', 2);
        out << "| " << row.label << " | " << cell(mine) << " | " << cell(theirs) << " | " << ratio << " | "
            << row.target << " |\n";
    }
    out.flush();

    const QString header = QStringLiteral("Machine: %1  \nDate: %2  \nQt: %3, xcb on Xvfb 640x480x24 at 96 DPI  \n"
                                          "Runs: %4 of each window, alternating, after one warm-up each; "
                                          "ticks: 20 highlights of 13 ticks each; zoom: 20 steps on Xvfb 1920x1080.\n\n")
                                 .arg(machine(), QDateTime::currentDateTime().toString(Qt::ISODate),
                                      QString::fromLatin1(qVersion()))
                                 .arg(rounds);
    std::printf("%s%s", qPrintable(header), qPrintable(table));

    QFile results(args.at(2));
    if (results.open(QIODevice::ReadOnly)) {
        // Keep the notes below the table; replace what is between the markers.
        QString text = QString::fromUtf8(results.readAll());
        results.close();
        const QString begin = QStringLiteral("<!-- results -->"), end = QStringLiteral("<!-- /results -->");
        const qsizetype from = text.indexOf(begin), to = text.indexOf(end);
        if (from >= 0 && to > from) {
            text.replace(from + begin.size(), to - from - begin.size(), u'\n' + header + table);
            if (results.open(QIODevice::WriteOnly | QIODevice::Truncate))
                results.write(text.toUtf8());
        }
    }
    return 0;
}
