#include "Anleitung.h"
#include <QDialog>
#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace glanzzug {

namespace {
// The guide's text; its pictures (screenshots of the whole window) shrink to the width of
// the view, keeping their proportions, so that they show whole without scrolling sideways.
class AnleitungsText : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    void resizeEvent(QResizeEvent* e) override {
        QTextBrowser::resizeEvent(e);
        bilderEinpassen();
    }

private:
    void bilderEinpassen() {
        QTextDocument* d = document();
        const int breite = viewport()->width() - 2 * int(d->documentMargin()) - 4;
        QTextCursor c(d);
        for (QTextBlock b = d->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextFragment teil = it.fragment();
                QTextImageFormat bild = teil.charFormat().toImageFormat();
                if (!bild.isValid()) continue;
                const QImage original = d->resource(QTextDocument::ImageResource, QUrl(bild.name())).value<QImage>();
                if (original.isNull()) continue;
                const int w = std::min(breite, original.width());
                if (bild.width() == w) continue;
                bild.setWidth(w);
                bild.setHeight(double(original.height()) * w / original.width());
                c.setPosition(teil.position());
                c.setPosition(teil.position() + teil.length(), QTextCursor::KeepAnchor);
                c.setCharFormat(bild);
            }
    }
};

void zeigeAnleitung(QWidget* fenster) {
    static QPointer<QDialog> offen;
    if (!offen) {
        auto* d = new QDialog(fenster);
        d->setObjectName(QStringLiteral("Anleitung"));
        d->setAttribute(Qt::WA_DeleteOnClose);
        d->setWindowTitle(QStringLiteral("Glanzzug – Anleitung"));
        auto* spalte = new QVBoxLayout(d);
        auto* text = new AnleitungsText(d);
        text->setOpenExternalLinks(true);
        text->setSource(QUrl(QStringLiteral("qrc:/anleitung/anleitung.md")), QTextDocument::MarkdownResource);
        spalte->addWidget(text);
        auto* schließen = new QPushButton(QStringLiteral("Schließen"), d);
        QObject::connect(schließen, &QPushButton::clicked, d, &QDialog::close);
        spalte->addWidget(schließen, 0, Qt::AlignRight);
        QSize größe(820, 760);
        if (const QScreen* s = fenster->screen()) größe = größe.boundedTo(s->availableSize() - QSize(40, 80));
        d->resize(größe);
        offen = d;
    }
    offen->show();
    offen->raise();
    offen->activateWindow();
}
} // namespace

void bauAnleitungsKnopf(QStatusBar* leiste) {
    auto* knopf = new QPushButton(QStringLiteral("?"), leiste);
    knopf->setObjectName(QStringLiteral("AnleitungKnopf"));
    knopf->setToolTip(QStringLiteral("Anleitung: die Gruppen des Fensters, Farbcodes, Platzhalter für Uhrzeit "
                                     "und Datum, Fernsteuerung"));
    knopf->setFixedWidth(knopf->fontMetrics().horizontalAdvance(QStringLiteral("??")) + 20);
    QObject::connect(knopf, &QPushButton::clicked, leiste, [leiste] { zeigeAnleitung(leiste->window()); });
    leiste->addPermanentWidget(knopf);
}

} // namespace glanzzug
