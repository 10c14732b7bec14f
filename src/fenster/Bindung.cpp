#include "Bindung.h"
#include "Beschriftung.h"
#include "Bildtakt.h"
#include "DateiListe.h"
#include "Knopf.h"
#include "KombiFeld.h"
#include "KontrollFeld.h"
#include "ListenFeld.h"
#include "OptionsFeld.h"
#include "Rahmen.h"
#include "Rollbalken.h"
#include "TextFeld.h"
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>

namespace glanzzug {

namespace {
// Connects a model event to a widget update that stops when the widget is gone.
template <class W, class F> void beiAnzeige(Element& m, W* w, F f) {
    QPointer<W> p(w);
    m.anzeige.verbinde([p, f] {
        if (p) f(p.data());
    });
    f(w);
}

// Shows a model's changes on a widget at most once per beat of the repaint clock, and always
// the latest: the first change within a beat shows at once, further ones are gathered and
// shown at the next beat. For elements the program may change on every step (1 ms), whose
// every change would otherwise go to the window system.
class AmBildtakt : public QObject {
public:
    AmBildtakt(QObject* eltern, std::function<void()> zeigen) : QObject(eltern), zeigen_(std::move(zeigen)) {
        Bildtakt::anmelden(this, [this] {
            gezeigt_ = offen_;
            if (!offen_) return;
            offen_ = false;
            zeigen_();
        });
    }
    void geändert() {
        if (gezeigt_) {
            offen_ = true;
            return;
        }
        zeigen_();
        gezeigt_ = true;
    }

private:
    std::function<void()> zeigen_;
    bool gezeigt_ = false; // shown within the current beat
    bool offen_ = false;   // a change waits for the next beat
};

// Like beiAnzeige, but at most once per repaint interval (AmBildtakt).
template <class W, class F> void beiAnzeigeAmBildtakt(Element& m, W* w, F f) {
    auto* takt = new AmBildtakt(w, [w, f] { f(w); });
    QPointer<AmBildtakt> p(takt);
    m.anzeige.verbinde([p] {
        if (p) p->geändert();
    });
    f(w);
}

// Raises a handler when the widget is pressed with the mouse.
class KlickFilter : public QObject {
public:
    KlickFilter(QObject* parent, std::function<void()> f) : QObject(parent), f_(std::move(f)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress) f_();
        return false;
    }

private:
    std::function<void()> f_;
};

// "rgb(r,g,b)" of a colour value (red in the low byte).
QString rgb(int farbe) {
    return QStringLiteral("rgb(%1,%2,%3)")
        .arg(farbe & 0xff)
        .arg((farbe >> 8) & 0xff)
        .arg((farbe >> 16) & 0xff);
}

QString farbStil(const char* klasse, int farbe) {
    if (farbe < 0) return {};
    return QStringLiteral("%1 { background-color: %2; }").arg(QLatin1String(klasse), rgb(farbe));
}

// Passes what a person typed through the model's filter, puts the cursor back where it
// was in the filtered text, and hands the text to the model.
template <class Modell> void getipptÜbernehmen(QLineEdit* zeile, Modell& m, const QString& t) {
    const QString erlaubt = m.gefiltert(t);
    if (erlaubt != t) {
        const int pos = zeile->cursorPosition() - int(t.size() - erlaubt.size());
        zeile->setText(erlaubt);
        zeile->setCursorPosition(std::max(0, pos));
    }
    m.setzeText(erlaubt);
}

// Tool tip, enabled state and visibility, as the model says.
void zeigeAllgemein(QWidget* w, const Element& m) {
    w->setToolTip(m.toolTip());
    w->setEnabled(m.aktiv());
    if (w->isVisibleTo(w->parentWidget()) != m.sichtbar()) w->setVisible(m.sichtbar());
}
} // namespace

void bindeAllgemein(QWidget* w, Element& m) {
    beiAnzeige(m, w, [&m](QWidget* w) { zeigeAllgemein(w, m); });
}

void binde(QLineEdit* w, TextFeld& m) {
    bindeAllgemein(w, m);
    beiAnzeige(m, w, [&m](QLineEdit* w) {
        // A text the program sets may be longer than a person may type.
        w->setMaxLength(m.maxLänge() > 0 ? std::max(m.maxLänge(), int(m.text().size())) : 32767);
        if (w->text() != m.text()) w->setText(m.text());
        QFont f = w->font();
        f.setFamily(m.schriftName());
        f.setBold(m.fett());
        f.setItalic(m.kursiv());
        w->setFont(f);
    });
    QObject::connect(w, &QLineEdit::textEdited, w, [w, &m](const QString& t) { getipptÜbernehmen(w, m, t); });
    w->installEventFilter(new KlickFilter(w, [&m] { m.Click.auslösen(); }));
    QPointer<QLineEdit> p(w);
    m.fokusVerlangt.verbinde([p] {
        if (!p) return;
        p->selectAll();
        p->setFocus();
    });
}

void binde(QCheckBox* w, KontrollFeld& m) {
    bindeAllgemein(w, m);
    beiAnzeige(m, w, [&m](QCheckBox* w) {
        w->setText(m.beschriftung());
        const auto zustand = m.wert() == 0   ? Qt::Unchecked
                             : m.wert() == 1 ? Qt::Checked
                                             : Qt::PartiallyChecked;
        if (w->checkState() != zustand) {
            w->setTristate(m.wert() == 2);
            w->setCheckState(zustand);
        }
    });
    QObject::connect(w, &QCheckBox::clicked, w, [w, &m] {
        w->setTristate(false);
        m.setzeWert(w->isChecked() ? 1 : 0);
    });
}

void binde(QButtonGroup* g, OptionsFeld& m) {
    const auto knöpfe = g->buttons();
    for (QAbstractButton* b : knöpfe) {
        const int i = g->id(b);
        if (i < 0 || i >= m.anzahl()) continue;
        b->setText(m.eintrag(i).beschriftung);
        b->setToolTip(m.eintrag(i).toolTip);
    }
    QPointer<QButtonGroup> p(g);
    auto zeigen = [p, &m] {
        if (!p) return;
        if (QAbstractButton* b = p->button(m.auswahl()); b && !b->isChecked()) b->setChecked(true);
    };
    m.anzeige.verbinde(zeigen);
    zeigen();
    QObject::connect(g, &QButtonGroup::idClicked, g, [&m](int i) { m.wähle(i); });
}

namespace {
// A list box or file list box: the entries and the selection follow the model; a click
// selects, and clicking the selected entry again raises Click as well.
template <class Modell, class Einträge> void bindeListe(QListWidget* w, Modell& m, Einträge einträge) {
    bindeAllgemein(w, m);
    beiAnzeige(m, w, [&m, einträge](QListWidget* w) {
        QSignalBlocker sperre(w);
        QStringList jetzt;
        for (int i = 0; i < w->count(); ++i) jetzt << w->item(i)->text();
        if (jetzt != einträge(m)) {
            w->clear();
            w->addItems(einträge(m));
        }
        if (w->currentRow() != m.listIndex()) {
            if (m.listIndex() < 0) w->clearSelection();
            w->setCurrentRow(m.listIndex());
        }
    });
    QObject::connect(w, &QListWidget::itemClicked, w, [w, &m](QListWidgetItem* it) {
        const int i = w->row(it);
        if (i == m.listIndex())
            m.Click.auslösen();
        else
            m.setzeListIndex(i);
    });
}
} // namespace

void binde(QListWidget* w, ListenFeld& m) {
    bindeListe(w, m, [](const ListenFeld& l) { return l.einträge(); });
}

void binde(QListWidget* w, DateiListe& m) {
    bindeListe(w, m, [](const DateiListe& l) { return l.dateien(); });
}

void binde(QComboBox* w, KombiFeld& m) {
    bindeAllgemein(w, m);
    w->setEditable(true);
    w->setInsertPolicy(QComboBox::NoInsert);
    beiAnzeige(m, w, [&m](QComboBox* w) {
        QSignalBlocker sperre(w);
        QStringList jetzt;
        for (int i = 0; i < w->count(); ++i) jetzt << w->itemText(i);
        if (jetzt != m.liste()) {
            w->clear();
            w->addItems(m.liste());
        }
        if (w->currentText() != m.text()) w->setEditText(m.text());
    });
    QObject::connect(w, &QComboBox::activated, w, [&m](int i) { m.wähle(i); });
    QLineEdit* zeile = w->lineEdit();
    QObject::connect(zeile, &QLineEdit::textEdited, w,
                     [zeile, &m](const QString& t) { getipptÜbernehmen(zeile, m, t); });
}

void binde(QScrollBar* w, Rollbalken& m) {
    bindeAllgemein(w, m);
    w->setRange(m.min(), m.max());
    beiAnzeige(m, w, [&m](QScrollBar* w) {
        if (w->value() != m.wert()) w->setValue(m.wert());
    });
    QObject::connect(w, &QScrollBar::valueChanged, w, [&m](int v) { m.setzeWert(v); });
}

void binde(QLabel* w, Beschriftung& m) {
    beiAnzeigeAmBildtakt(m, w, [&m](QLabel* w) {
        zeigeAllgemein(w, m);
        if (w->text() != m.text()) w->setText(m.text());
        QString stil = QStringLiteral("QLabel { color: %1; ").arg(rgb(m.vordergrund()));
        if (m.hintergrund() >= 0) stil += QStringLiteral("background-color: %1; ").arg(rgb(m.hintergrund()));
        stil += u'}';
        // A new style sheet polishes the widget again; only when the colours changed.
        if (w->styleSheet() != stil) w->setStyleSheet(stil);
    });
}

void bindeTitel(QWidget* fenster, Beschriftung& m) {
    beiAnzeigeAmBildtakt(m, fenster, [&m](QWidget* w) {
        if (w->windowTitle() != m.text()) w->setWindowTitle(m.text());
    });
}

void bindeStatus(QStatusBar* leiste, Beschriftung& m) {
    beiAnzeigeAmBildtakt(m, leiste, [&m](QStatusBar* w) {
        if (w->currentMessage() != m.text()) w->showMessage(m.text());
    });
}

void binde(QPushButton* w, Knopf& m) {
    bindeAllgemein(w, m);
    beiAnzeige(m, w, [&m](QPushButton* w) {
        if (!m.text().isEmpty()) w->setText(m.text()); // icon buttons keep their symbol
        if (const QString stil = farbStil("QPushButton", m.hintergrund()); w->styleSheet() != stil)
            w->setStyleSheet(stil);
    });
    QObject::connect(w, &QPushButton::clicked, w, [&m] { m.klick(); });
}

QPushButton* neuerKnopf(Knopf& m, QWidget* eltern, const QString& name) {
    auto* b = new QPushButton(eltern);
    if (!name.isEmpty()) b->setObjectName(name);
    binde(b, m);
    return b;
}

void binde(QGroupBox* w, Rahmen& m) {
    bindeAllgemein(w, m);
    beiAnzeige(m, w, [&m](QGroupBox* w) { w->setTitle(m.text()); });
}

} // namespace glanzzug
