// Every frame of the main window over a large photo box: the box set is built from a settings file as at
// start-up, every entry is marked in subset 0, and each frame is constructed as the main window does,
// shown offscreen, left to fill in, given its main action and closed. Per frame it prints the time to
// construct and show, the time until the frame has filled in, the action's time, the longest gap of the
// event loop over all of it, and the peak memory of the process while the frame lived.
// Usage: bench_frames [objects ...] [frame names ...] (default 100000 1000000, every frame).

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QThread>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <thread>

#include "anybox.h"
#include "basefolder.h"
#include "benchsupport.h"
#include "bigbox.h"
#include "boxinfo.h"
#include "constants.h"
#include "describedialog.h"
#include "displaydialog.h"
#include "frameatwork.h"
#include "loopgap.h"
#include "mymessagebox.h"
#include "mysettings.h"
#include "resembledialog.h"
#include "restoreeditdialog.h"
#include "restoreotherdialog.h"
#include "restoreprintdialog.h"
#include "searchdialog.h"
#include "templatedialog.h"
#include "tessary.h"
#include "verifydialog.h"
#include "withoutkeyworddialog.h"

namespace {

const int TIMEOUT_MS = 600000;

// The highest resident memory while it lives, sampled every 5 ms by a thread of its own, so that a frame
// that keeps its own thread busy is measured too.
class PeakMemory
{
public:
    PeakMemory()
        : m_thread([this] {
            while (!m_stop) {
                const double now = BenchSupport::statusMiB("VmRSS");
                double seen = m_peak;
                while (now > seen && !m_peak.compare_exchange_weak(seen, now)) {
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        })
    {
    }
    ~PeakMemory()
    {
        m_stop = true;
        m_thread.join();
    }
    double mb() const { return qMax(m_peak.load(), BenchSupport::statusMiB("VmRSS")); }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<double> m_peak{0};
    std::thread m_thread;
};

// A frame has filled in when it is not at work and no progress bar is still running.
bool settled(QWidget *frame)
{
    if (FrameAtWork::isAtWork(frame))
        return false;
    for (QProgressBar *bar : frame->findChildren<QProgressBar *>()) {
        if (bar->isVisible() && bar->maximum() > 0 && bar->value() < bar->maximum() && bar->value() > bar->minimum())
            return false;
    }
    return true;
}

QAbstractButton *button(QWidget *frame, const char *name)
{
    return frame->findChild<QAbstractButton *>(QLatin1String(name));
}

struct FrameCase
{
    const char *name;
    std::function<QWidget *(AnyBox *, QFrame *)> make;
    // The frame's main action, started with a click; empty for a frame without one worth timing.
    const char *action;
    // What tells that the frame shows its figures; settled() is always waited for too.
    std::function<bool(QWidget *)> ready;
    // What the user does before the action (types a value to apply, for example).
    std::function<void(QWidget *)> prepare;
};

template <class Frame> std::function<QWidget *(AnyBox *, QFrame *)> maker()
{
    return [](AnyBox *box, QFrame *parent) { return new Frame(box, parent); };
}

bool enabled(QWidget *frame, const char *name)
{
    QAbstractButton *b = button(frame, name);
    return b && b->isEnabled();
}

struct Figures
{
    double construct = 0;
    double filled = 0;
    double action = -1;
    double close = 0;
    qint64 gap = 0;
    double peak = 0;
    bool ok = true;
};

Figures measure(const FrameCase &frameCase, AnyBox *box, QFrame *area)
{
    Figures figures;
    PeakMemory peak;
    LoopGap gap;
    QCoreApplication::processEvents();
    gap.restart();
    QElapsedTimer clock;
    clock.start();
    QWidget *frame = frameCase.make(box, area);
    frame->show();
    figures.construct = clock.nsecsElapsed() / 1e9;
    const auto filled = [&] { return settled(frame) && (!frameCase.ready || frameCase.ready(frame)); };
    figures.ok = BenchSupport::serveEventsUntil(filled, TIMEOUT_MS);
    figures.filled = clock.nsecsElapsed() / 1e9;
    if (frameCase.action && figures.ok) {
        if (frameCase.prepare)
            frameCase.prepare(frame);
        QAbstractButton *start = button(frame, frameCase.action);
        if (start && start->isEnabled()) {
            MyMessageBox::setNextAnswer(QMessageBox::Yes);
            clock.restart();
            start->click();
            QCoreApplication::processEvents();
            figures.ok = BenchSupport::serveEventsUntil([&] { return settled(frame); }, TIMEOUT_MS);
            figures.action = clock.nsecsElapsed() / 1e9;
        }
    }
    clock.restart();
    delete frame;
    QCoreApplication::processEvents();
    figures.close = clock.nsecsElapsed() / 1e9;
    figures.gap = gap.longestMs();
    figures.peak = peak.mb();
    return figures;
}

bool textShown(QWidget *frame, const char *name)
{
    auto browser = frame->findChild<QTextBrowser *>(QLatin1String(name));
    return browser && !browser->toPlainText().isEmpty();
}

int run(int objects, const QStringList &only)
{
    QTemporaryDir dir;
    QString basePath;
    auto settings = BenchSupport::bigBoxSettings(dir.path(), objects, &basePath);
    if (!dir.isValid() || !settings) {
        std::fprintf(stderr, "cannot write the box\n");
        return 1;
    }
    // A preview that starts and ends at once: the frames that preview the current object find a program.
    settings->setValue(KEY_PHOTO + KEY_PREVIEW_APP, QStringLiteral("true %1"));
    settings->sync();
    // One template over the keywords, for the template frame to replay.
    QFile templates(basePath + QLatin1Char('/') + NAME_TMP_FILE);
    const QByteArray templateText = "<photo:words:Two words>\n\t\tA:\n\t\tB:\n\t\tC:\n\t\tD:\n\t\tE:word5,word7\n"
                                    "\t\tF:\n\t\tG:\n\t:search\n\n";
    if (!templates.open(QIODevice::WriteOnly) || templates.write(templateText) != templateText.size()) {
        std::fprintf(stderr, "cannot write the template\n");
        return 1;
    }
    templates.close();
    const double base = BenchSupport::statusMiB("VmRSS");
    QElapsedTimer clock;
    clock.start();
    auto tessary = std::make_unique<Tessary>(settings.get());
    QString status;
    if (!tessary->initStatus(status)) {
        std::fprintf(stderr, "cannot open the box set: %s\n", qPrintable(status));
        return 1;
    }
    const double startUp = clock.nsecsElapsed() / 1e9;
    auto box = qobject_cast<AnyBox *>(tessary->baseFolder()->unit(NAME_PHOTO));
    std::printf("\n%d objects: box set built in %.2f s, %.0f MB above the base\n", objects, startUp,
                BenchSupport::statusMiB("VmRSS") - base);

    // A frame that fills in behind hides its progress bar when it has.
    const auto hidden = [](const char *name) {
        return [name](QWidget *f) {
            auto bar = f->findChild<QWidget *>(QLatin1String(name));
            return bar && bar->isHidden();
        };
    };
    const auto startKnown = [](QWidget *f) { return enabled(f, "startButton"); };
    const auto reportShown = [](QWidget *f) { return textShown(f, "fileStatusDetail"); };
    const QList<FrameCase> cases = {
        {"describe", maker<DescribeDialog>(), "nextUncorrButton", nullptr, nullptr},
        {"describe, no preview", maker<DescribeDialog>(), "nextUncorrButton", nullptr,
         [](QWidget *f) {
             if (auto follows = f->findChild<QAbstractButton *>(QStringLiteral("previewFollows")))
                 follows->setChecked(false);
         }},
        {"describe apply", maker<DescribeDialog>(), "applyButton", nullptr,
         [](QWidget *f) {
             if (auto hardcopy = f->findChild<QLineEdit *>(QStringLiteral("hardcopyLineEdit")))
                 hardcopy->setText(QStringLiteral("3"));
         }},
        {"describe save", maker<DescribeDialog>(), "saveButton", nullptr,
         [](QWidget *f) {
             if (auto hardcopy = f->findChild<QLineEdit *>(QStringLiteral("hardcopyLineEdit")))
                 hardcopy->setText(QStringLiteral("4"));
         }},
        {"resemble", maker<ResembleDialog>(), "applyButton", nullptr, nullptr},
        {"display", maker<DisplayDialog>(), nullptr, nullptr, nullptr},
        {"search", maker<SearchDialog>(), nullptr, hidden("sessionProgress"), nullptr},
        {"template", maker<TemplateDialog>(), "startButton", nullptr, nullptr},
        {"without keyword", maker<WithoutKeywordDialog>(), "startButton", nullptr, nullptr},
        {"box info", maker<BoxInfo>(), nullptr, hidden("infoProgress"), nullptr},
        {"restore edit", maker<RestoreEditDialog>(), nullptr, startKnown, nullptr},
        {"restore print", maker<RestorePrintDialog>(), nullptr, startKnown, nullptr},
        {"restore other", maker<RestoreOtherDialog>(), nullptr, startKnown, nullptr},
        {"verification", maker<VerifyDialog>(), nullptr, reportShown, nullptr},
    };
    QFrame area;
    area.resize(1200, 800);
    area.show();
    std::printf("%-16s %10s %10s %10s %10s %9s %9s\n", "frame", "built s", "filled s", "action s", "closed s",
                "gap ms", "peak MB");
    for (const FrameCase &frameCase : cases) {
        if (!only.isEmpty() && !only.contains(QLatin1String(frameCase.name)))
            continue;
        box->markAllEntries(0);
        const Figures f = measure(frameCase, box, &area);
        std::printf("%-16s %10.3f %10.3f %10s %10.3f %9lld %9.0f%s\n", frameCase.name, f.construct, f.filled,
                    f.action < 0 ? "-" : qPrintable(QString::number(f.action, 'f', 3)), f.close,
                    static_cast<long long>(f.gap), f.peak, f.ok ? "" : "  (did not finish)");
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    BenchSupport::useOffscreenPlatform();
    QApplication app(argc, argv);
    QList<int> sizes;
    QStringList only;
    for (const QString &arg : app.arguments().mid(1)) {
        bool number = false;
        const int size = arg.toInt(&number);
        if (number)
            sizes << size;
        else
            only << arg;
    }
    if (sizes.isEmpty())
        sizes = {100000, 1000000};
    std::printf("cores: %d\n", QThread::idealThreadCount());
    for (int objects : sizes) {
        if (run(objects, only) != 0)
            return 1;
    }
    return 0;
}
