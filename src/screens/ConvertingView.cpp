#include "ConvertingView.h"

#include "Theme.h"

#include <QLabel>
#include <QVBoxLayout>

ConvertingView::ConvertingView(QWidget *parent)
    : QWidget(parent)
{
    auto *title = new QLabel(tr("Converting..."), this);
    title->setFont(Theme::font(Theme::TextStyle::Title, QFont::DemiBold));
    title->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title);
}
