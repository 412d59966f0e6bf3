#include "CompletionView.h"

#include "Theme.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CompletionView::CompletionView(const QUrl &outputFolder, std::function<void()> onBack,
                               QWidget *parent)
    : QWidget(parent)
    , m_outputFolder(outputFolder)
    , m_onBack(std::move(onBack))
{
    auto *title = new QLabel(tr("Complete"), this);
    title->setFont(Theme::font(Theme::TextStyle::LargeTitle, QFont::Bold));
    auto *back = new QPushButton(tr("Convert more files"), this);
    connect(back, &QPushButton::clicked, this, [this] { m_onBack(); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 40, 40, 40);
    layout->setSpacing(30);
    layout->addStretch();
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(back, 0, Qt::AlignHCenter);
    layout->addStretch();
}
