#include "app/modepanel.h"

#include "app/controls.h"

namespace {

// Four lines fill the description's place.
constexpr int TextPoints = 16;
constexpr quint32 TextGround = 0x00FFFFFF; // white, 0x00BBGGRR
constexpr int TextMargin = 4;              // pixels at 100 %

} // namespace

ModePanel::ModePanel(const QString &name, QWidget *parent)
    : Announcement(parent)
{
    dressLabel(*this, name, TextGround);
    setWordWrap(true);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setZoom(1);
    hide();
}

void ModePanel::setZoom(qreal zoom)
{
    QFont font = designFont(TextPoints);
    font.setPointSizeF(TextPoints * zoom);
    setFont(font);
    setMargin(qRound(TextMargin * zoom));
}
