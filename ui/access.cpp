// Qt gives a plain widget no actions, so the boxes get an interface of their
// own: a button with a press action for the clickable ones, a graphic else.
#include "ui/access.h"

#include "ui/form1.h"

#include <QAccessibleWidget>

namespace {

class PictureBoxAccessible : public QAccessibleWidget {
  public:
    explicit PictureBoxAccessible(PictureBox *box)
        : QAccessibleWidget(box, box->Clickable ? QAccessible::Button : QAccessible::Graphic)
    {
        if (box->Clickable)
            addControllingSignal(QStringLiteral("clicked()"));
    }

    QStringList actionNames() const override { return Box()->Clickable ? QStringList{pressAction()} : QStringList{}; }

    void doAction(const QString &name) override
    {
        if (name == pressAction() && Box()->Clickable && Box()->isVisible())
            emit Box()->clicked();
    }

  private:
    PictureBox *Box() const { return static_cast<PictureBox *>(widget()); }
};

QAccessibleInterface *Factory(const QString &key, QObject *object)
{
    if (key == QLatin1String("PictureBox"))
        return new PictureBoxAccessible(static_cast<PictureBox *>(object));
    return nullptr;
}

QString ColourName(int16_t c)
{
    static const char *const names[] = {"empty", "red", "orange", "yellow", "green", "cyan", "magenta"};
    return QString::fromLatin1(c >= 0 && c <= 6 ? names[c] : names[0]);
}

} // namespace

QString CellName(int16_t x, int16_t y, int16_t value, bool selected)
{
    QString what = value ? ColourName(value) + QStringLiteral(" ball") : ColourName(0);
    if (selected)
        what += QStringLiteral(", selected");
    return QStringLiteral("Row %1, column %2: %3").arg(y).arg(x).arg(what);
}

QString PreviewName(int16_t slot, int16_t c)
{
    return QStringLiteral("Next ball %1: %2").arg(slot).arg(ColourName(c));
}

void InstallAccessibility()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(Factory);
    installed = true;
}
