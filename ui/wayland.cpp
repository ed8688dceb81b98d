// Under Wayland a maximised or full-screen window must take the size the
// compositor configures, or the compositor ends the connection. Qt 6.4 fits
// that size into the window's maximum before the game hears of the new
// state, so the window has a minimum size only, and the game keeps it at its
// own size in the normal state. Maximised or full screen, the game stands in
// the middle of the window's navy surround.
#include "ui/wayland.h"

#include "screen/screen.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

const QSize GameSize(GameWidth, GameHeight);

// Watches the window's size: the game stays in its middle, and a drag on the
// frame in the normal state gives way to the game's own size.
class GameSizeKeeper : public QObject {
  public:
    explicit GameSizeKeeper(QWidget *window) : QObject(window), Window(window) {}

    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() != QEvent::Resize)
            return false;
        CentreGame();
        if (Window->size() != GameSize && !(Window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
            Window->resize(GameSize);
        return false;
    }

  private:
    // Moves every control by the change of the game's offset in the window.
    void CentreGame()
    {
        const QPoint offset((Window->width() - GameSize.width()) / 2, (Window->height() - GameSize.height()) / 2);
        const QPoint by = offset - Offset;
        if (by.isNull())
            return;
        Offset = offset;
        for (QObject *child : Window->children())
            if (child->isWidgetType())
                static_cast<QWidget *>(child)->move(static_cast<QWidget *>(child)->pos() + by);
    }

    QWidget *Window;
    QPoint Offset; // where the game's top-left corner stands in the window
};

// Qt sets the pointer of the whole seat to the arrow when it makes a
// tooltip's window: the widget's own cursor is given back once the tip shows.
class TooltipCursorKeeper : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject *target, QEvent *e) override
    {
        if (e->type() == QEvent::ToolTip) {
            auto *w = static_cast<QWidget *>(target);
            QTimer::singleShot(0, w, [w] { w->setCursor(w->cursor()); });
        }
        return false;
    }
};

} // namespace

void FitWaylandWindow(QWidget *window)
{
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window->installEventFilter(new GameSizeKeeper(window));
    auto *tips = new TooltipCursorKeeper(window);
    for (QWidget *w : window->findChildren<QWidget *>())
        if (!w->toolTip().isEmpty())
            w->installEventFilter(tips);
}
