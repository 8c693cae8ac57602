// Opens the verification, restore (for editing) and display frames offscreen on a synthetic photo box
// whose objects are all marked and whose stored files are absent, as the main window opens them, and
// prints per frame the construction time, the time until it has filled in, the longest gap of the event
// loop, the time and gap of closing it and the peak memory (VmHWM, reset before each frame).
//
//   bench_verifyframe [OBJECTS]      default: 100000

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <functional>

#include "anybox.h"
#include "basefolder.h"
#include "benchsupport.h"
#include "bigbox.h"
#include "constants.h"
#include "displaydialog.h"
#include "loopgap.h"
#include "mysettings.h"
#include "restoreeditdialog.h"
#include "unittree.h"
#include "verifydialog.h"

// The peak starts again from the present size.
static void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

struct Measure
{
    double constructMs = 0;
    double fillMs = 0;
    qint64 gapMs = 0;
    double closeMs = 0;
    qint64 closeGapMs = 0;
    double peakMiB = 0;
    bool ok = false;
};

template <class Frame>
static Measure measure(AnyBox *box, QFrame *central, const std::function<bool(Frame *)> &filled)
{
    Measure m;
    resetPeak();
    LoopGap gap;
    gap.restart();
    QElapsedTimer clock;
    clock.start();
    auto frame = new Frame(box, central);
    frame->show();
    m.constructMs = clock.nsecsElapsed() / 1e6;
    clock.restart();
    m.ok = BenchSupport::serveEventsUntil([&] { return filled(frame); }, 30 * 60 * 1000);
    m.fillMs = clock.nsecsElapsed() / 1e6;
    m.gapMs = gap.longestMs();
    m.peakMiB = BenchSupport::statusMiB("VmHWM");
    // Until the next event: the frame's last repaint is part of the work.
    QCoreApplication::processEvents();
    gap.restart();
    clock.restart();
    delete frame;
    QCoreApplication::processEvents();
    m.closeMs = clock.nsecsElapsed() / 1e6;
    m.closeGapMs = gap.longestMs();
    return m;
}

int main(int argc, char **argv)
{
    BenchSupport::useOffscreenPlatform();
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const int objects = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 100000;

    QTemporaryDir root;
    QString basePath;
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<MySettings> settings = BenchSupport::bigBoxSettings(root.path(), objects, &basePath);
    if (!settings) {
        out << "cannot write the box\n";
        return 1;
    }
    // An empty backup folder: the check of the backup copy finds every object's copy missing.
    const QString backupPath = root.path() + QStringLiteral("/backup");
    QDir().mkpath(backupPath);
    settings->setValue(KEY_GENERAL + KEY_CPY_DIR, backupPath);
    out << "box of " << objects << " objects written in " << clock.elapsed() << " ms; cores "
        << QThread::idealThreadCount() << "\n";
    const double baseMiB = BenchSupport::statusMiB("VmRSS");
    clock.restart();
    UnitTree tree(settings.get());
    auto box = dynamic_cast<AnyBox *>(tree.baseFolder()->unit(NAME_PHOTO));
    if (!box) {
        out << "no photo box\n";
        return 1;
    }
    box->markAllEntries(0);
    const double loadedMiB = BenchSupport::statusMiB("VmRSS");
    out << "box loaded and marked in " << clock.elapsed() << " ms; RSS " << baseMiB << " MiB before, " << loadedMiB
        << " MiB loaded\n";

    // A list naming every object, for the display frame.
    {
        QFile list(basePath + QLatin1Char('/') + NAME_SLD_FOLDER + QStringLiteral("/everything.")
                   + box->extPlayList());
        if (!list.open(QIODevice::WriteOnly | QIODevice::Text))
            return 1;
        QTextStream stream(&list);
        for (int i = 0; i < objects; ++i) {
            const QString remark = BigBox::remarkOf(i);
            stream << box->completeName() << '/' << remark.left(2) << '/' << remark.mid(2, 2) << '/'
                   << remark.mid(4) << ".JPG\n";
        }
    }

    QFrame central;
    central.show();
    out << "frame        construct ms  fill ms  longest gap ms  close ms  close gap ms  peak MiB  peak/loaded\n";
    const auto print = [&](const char *name, const Measure &m) {
        out << QString::asprintf("%-12s %12.1f %8.1f %15lld %9.1f %13lld %9.0f %12.2f%s\n", name, m.constructMs,
                                 m.fillMs, m.gapMs, m.closeMs, m.closeGapMs, m.peakMiB, m.peakMiB / loadedMiB,
                                 m.ok ? "" : "  (did not finish)");
        out.flush();
    };
    print("verification", measure<VerifyDialog>(box, &central, [](VerifyDialog *frame) {
              return !frame->isScanning() && frame->findChild<QWidget *>(QStringLiteral("mode"))->isVisible();
          }));
    // The backup check on the verification frame: the button's work until its verdict shows, once what the
    // frame before held has been freed behind.
    BenchSupport::serveEventsUntil([] { return false; }, 3000);
    {
        auto frame = new VerifyDialog(box, &central);
        frame->show();
        BenchSupport::serveEventsUntil(
            [&] { return !frame->isScanning() && frame->findChild<QWidget *>("mode")->isVisible(); }, 30 * 60 * 1000);
        auto button = frame->findChild<QPushButton *>(QStringLiteral("mirrorButton"));
        auto status = frame->findChild<QLabel *>(QStringLiteral("mirrorStatus"));
        // What the frame holds at rest, allocator leftovers of the frame before included.
        const double restMiB = BenchSupport::statusMiB("VmRSS");
        resetPeak();
        LoopGap gap;
        gap.restart();
        clock.restart();
        button->click();
        const bool done = BenchSupport::serveEventsUntil(
            [&] { return button->isEnabled() && status->text() != QStringLiteral("..."); }, 30 * 60 * 1000);
        const double checkMs = clock.nsecsElapsed() / 1e6;
        const qint64 checkGap = gap.longestMs();
        const double peak = BenchSupport::statusMiB("VmHWM");
        QCoreApplication::processEvents();
        gap.restart();
        clock.restart();
        delete frame;
        QCoreApplication::processEvents();
        out << QString::asprintf("backup check: %.1f ms, longest gap %lld ms, peak %.0f MiB (%.2fx loaded; frame at "
                                 "rest %.0f MiB); closing %.1f ms, gap %lld ms%s\n",
                                 checkMs, checkGap, peak, peak / loadedMiB, restMiB, clock.nsecsElapsed() / 1e6,
                                 gap.longestMs(),
                                 done ? "" : " (did not finish)");
        out.flush();
    }
    // What the check held is freed on another thread; the next frame is measured once that is over.
    BenchSupport::serveEventsUntil([] { return false; }, 3000);
    print("restore", measure<RestoreEditDialog>(box, &central,
                                                [](RestoreEditDialog *frame) { return frame->sizesAreKnown(); }));
    print("display", measure<DisplayDialog>(box, &central, [objects](DisplayDialog *frame) {
              auto table = frame->findChild<QTableWidget *>(QStringLiteral("displayTable"));
              return table && table->rowCount() > 0 && table->item(0, 1)->text() == QString::number(objects);
          }));
    return 0;
}
