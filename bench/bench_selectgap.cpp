// The selection frames and the box info over a synthetic photo box with every object marked: the time
// each frame takes to open, to run its pass and to close, and the longest time the event loop waited
// in each. Usage: bench_selectgap [entries] (default 1000000).

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <cstdio>
#include <functional>
#include <memory>

#include "anybox.h"
#include "basefolder.h"
#include "benchsupport.h"
#include "bigbox.h"
#include "boxinfo.h"
#include "constants.h"
#include "loopgap.h"
#include "mymessagebox.h"
#include "mysettings.h"
#include "templatedialog.h"
#include "tessary.h"
#include "withoutkeyworddialog.h"

namespace {

struct Phase
{
    double seconds = 0;
    qint64 gapMs = 0;
};

// Runs one step while the loop's gaps are noted; the step returns when its work is done.
Phase measure(const std::function<void()> &step)
{
    LoopGap gap;
    gap.restart();
    QElapsedTimer timer;
    timer.start();
    step();
    QCoreApplication::processEvents();
    return {timer.nsecsElapsed() / 1e9, gap.longestMs()};
}

// The frame as the main window makes it, its pass started by its Start button (when it has one) and the
// frame closed; the label named shows what was found.
template <class Frame> void runFrame(const char *name, AnyBox *box, const char *figure)
{
    box->unmarkAllEntries();
    box->markAllEntries(0);
    QFrame central;
    (new QVBoxLayout(&central))->setContentsMargins(0, 0, 0, 0);
    central.resize(1000, 800);
    central.show();
    Frame *frame = nullptr;
    const Phase open = measure([&]() {
        frame = new Frame(box, &central);
        central.layout()->addWidget(frame);
        frame->show();
    });
    Phase pass;
    if (auto start = frame->template findChild<QPushButton *>(QStringLiteral("startButton"))) {
        MyMessageBox::setNextAnswer(QMessageBox::Ok);
        pass = measure([start]() { start->click(); });
    }
    const auto shown = frame->template findChild<QLabel *>(QLatin1String(figure));
    const QString found = shown ? shown->text() : QStringLiteral("?");
    const Phase close = measure([&]() { delete frame; });
    std::printf("%-22s open %6.3f s (gap %4lld ms)  pass %6.3f s (gap %4lld ms)  close %6.3f s (gap %4lld ms)  %s %s\n",
                name, open.seconds, open.gapMs, pass.seconds, pass.gapMs, close.seconds, close.gapMs, figure,
                qPrintable(found));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    BenchSupport::useOffscreenPlatform();
    QApplication app(argc, argv);
    const int count = BenchSupport::countArgument(argc, argv, 1000000, "bench_selectgap [entries]");
    if (count == 0)
        return 2;
    QTemporaryDir dir;
    QString basePath;
    std::unique_ptr<MySettings> settings = BenchSupport::bigBoxSettings(dir.path(), count, &basePath);
    if (!dir.isValid() || !settings)
        return 1;
    QFile templates(basePath + QLatin1Char('/') + NAME_TMP_FILE);
    if (!templates.open(QIODevice::WriteOnly)
        || templates.write("<photo:seven:Session seven, then all>\n"
                           "\t\tA:7\n\t:search\n\t:plus\n\t\tA:\n\t:search\n\n") < 0)
        return 1;
    templates.close();
    std::unique_ptr<Tessary> boxSet(new Tessary(settings.get()));
    auto box = qobject_cast<AnyBox *>(boxSet->baseFolder()->unit(NAME_PHOTO));
    if (!box || box->getCount() != unsigned(count))
        return 1;
    std::printf("%d objects, every one marked before each frame\n", count);
    runFrame<WithoutKeywordDialog>("without keywords", box, "foundRecords");
    runFrame<TemplateDialog>("template replay", box, "foundRecords");
    runFrame<BoxInfo>("box info", box, "remarkNum");
    return 0;
}
