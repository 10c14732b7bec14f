#include "Anleitung.h"
#include <QDialog>
#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace glanzzug {

namespace {
void zeigeAnleitung(QWidget* fenster) {
    static QPointer<QDialog> offen;
    if (!offen) {
        auto* d = new QDialog(fenster);
        d->setObjectName(QStringLiteral("Anleitung"));
        d->setAttribute(Qt::WA_DeleteOnClose);
        d->setWindowTitle(QStringLiteral("Glanzzug – Anleitung"));
        auto* spalte = new QVBoxLayout(d);
        auto* text = new QTextBrowser(d);
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
