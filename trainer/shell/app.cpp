// SPDX-License-Identifier: GPL-3.0-or-later
#include "app.h"

#include "frmplugo.h"
#include "moduleplugo.h"
#include "platform/deferredicon.h"
#include "platform/fixedwindow.h"
#include "platform/product.h"
#include "platform/qtdesktop.h"
#include "platform/swedishtexts.h"
#include "plugo/version.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>

#ifdef PLUGO_WARM_FONTCONFIG
#include <fontconfig/fontconfig.h>
#include <thread>
#endif

namespace shell {

namespace {

// Hands the window its whole icon once it has first been painted. Until then it carries the
// smallest size alone: the window system is handed every size when the window appears, and
// decoding all four would delay the first paint for pictures a title bar does not show.
class WholeIconAfterFirstPaint : public QObject {
public:
    explicit WholeIconAfterFirstPaint(QWidget &window) : window_(&window)
    {
        // The application's too: the window system takes it while the window is being made.
        const QIcon small = platform::smallProgramIcon();
        QApplication::setWindowIcon(small);
        window.setWindowIcon(small);
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched == window_) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                QApplication::setWindowIcon(platform::programIcon());
                if (window_)
                    window_->setWindowIcon(platform::programIcon());
            });
        }
        return false;
    }

private:
    QPointer<QWidget> window_;
};

}  // namespace

int runTrainer(int argc, char *argv[], const std::function<void(QWidget &)> &shown)
{
#ifdef PLUGO_WARM_FONTCONFIG
    // Reading the font configuration is the largest single cost of the first paint; it needs nothing
    // from Qt, so it runs on the second core while the application connects to the display and loads
    // the translations, neither of which touches a font.
    std::thread fonts([] { FcInit(); });
#endif
    QApplication app(argc, argv);
    // Before any window is built, so that the menu bar's arrow is read only if it is ever drawn.
    QApplication::setStyle(new platform::DeferredArrowStyle);
    QApplication::setApplicationName(QStringLiteral("plugo"));
    QApplication::setApplicationVersion(QStringLiteral(PLUGO_VERSION_TEXT));
    platform::installSwedishTexts(app);
#ifdef PLUGO_WARM_FONTCONFIG
    fonts.join();
#endif

    platform::QtDesktop desktop;
    modulePlugo module;
    // The window's controls are in 8.25 points, but a text box lays out its empty text in the
    // application's font while it is being built, before it takes its own: loading a font at the
    // application's 9 points for nothing. The application's font is the window's while it is built.
    const QFont applicationFont = QApplication::font();
    QFont windowFont = applicationFont;
    windowFont.setPointSizeF(8.25);
    QApplication::setFont(windowFont);
    frmPlugo window(desktop, module);
    QApplication::setFont(applicationFont);

    // Centred on the screen when first shown.
    platform::form::centreOnScreen(&window, window.screen());
    WholeIconAfterFirstPaint icon(window);
    window.show();
    window.Form_Activate();
    if (shown)
        shown(window);
    return app.exec();
}

}  // namespace shell
