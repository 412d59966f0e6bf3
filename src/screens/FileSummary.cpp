#include "FileSummary.h"

#include "ElidedLabel.h"
#include "Theme.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

FileSummary::FileSummary(QWidget *parent)
    : QWidget(parent)
    , m_countLine(new QLabel(this))
    , m_furtherFilesLine(new QLabel(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(5);

    m_countLine->setFont(Theme::font(Theme::TextStyle::Title2, QFont::DemiBold));
    m_countLine->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_countLine);

    for (int i = 0; i < shownNames; ++i) {
        auto *nameLine = new ElidedLabel(this);
        nameLine->setFont(Theme::font(Theme::TextStyle::Caption));
        layout->addWidget(nameLine);
        m_nameLines.append(nameLine);
    }

    m_furtherFilesLine->setFont(Theme::font(Theme::TextStyle::Caption));
    m_furtherFilesLine->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_furtherFilesLine);

    applySecondaryColour();
}

QString FileSummary::countLine(qsizetype count)
{
    // Two source texts, so that English reads right with no translation loaded; translators
    // still get the number for their own plural forms.
    const int n = int(count);
    return n == 1 ? tr("%n file selected", "count of listed files", n)
                  : tr("%n files selected", "count of listed files", n);
}

QString FileSummary::furtherFilesLine(qsizetype furtherCount)
{
    return tr("... and %n more", "files listed beyond the names shown", int(furtherCount));
}

void FileSummary::showFiles(const QList<QUrl> &files)
{
    m_countLine->setText(countLine(files.size()));
    for (int i = 0; i < shownNames; ++i) {
        const bool shown = i < files.size();
        m_nameLines[i]->setText(shown ? files[i].fileName() : QString());
        m_nameLines[i]->setVisible(shown);
    }
    const qsizetype further = files.size() - shownNames;
    m_furtherFilesLine->setText(further > 0 ? furtherFilesLine(further) : QString());
    m_furtherFilesLine->setVisible(further > 0);
}

void FileSummary::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        applySecondaryColour();
    QWidget::changeEvent(event);
}

void FileSummary::applySecondaryColour()
{
    const QColor secondary = Theme::secondaryText(palette());
    for (ElidedLabel *nameLine : std::as_const(m_nameLines))
        nameLine->setTextColor(secondary);
    QPalette furtherPalette = m_furtherFilesLine->palette();
    furtherPalette.setColor(QPalette::WindowText, secondary);
    m_furtherFilesLine->setPalette(furtherPalette);
}
