#pragma once
#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class QStatusBar;

namespace glanzzug {

class Beschriftung;
class DateiListe;
class Element;
class KombiFeld;
class KontrollFeld;
class Knopf;
class ListenFeld;
class OptionsFeld;
class Rahmen;
class Rollbalken;
class TextFeld;

// One binding per element kind: the widget shows the model and passes what a person does
// to it, the model's changes (by the program) update the widget. Each binding lives as
// long as the widget.
void binde(QLineEdit* w, TextFeld& m);
void binde(QCheckBox* w, KontrollFeld& m);
void binde(QButtonGroup* w, OptionsFeld& m);
void binde(QListWidget* w, ListenFeld& m);
void binde(QListWidget* w, DateiListe& m);
void binde(QComboBox* w, KombiFeld& m);
void binde(QScrollBar* w, Rollbalken& m);
// Labels show their model at most once per repaint interval, always the latest value.
void binde(QLabel* w, Beschriftung& m);
// The window's caption, shown like a label.
void bindeTitel(QWidget* fenster, Beschriftung& m);
// The status bar shows the label's text as its message.
void bindeStatus(QStatusBar* leiste, Beschriftung& m);
void binde(QPushButton* w, Knopf& m);
void binde(QGroupBox* w, Rahmen& m);
// A new push button bound to its model; the object name (for tests) is optional.
QPushButton* neuerKnopf(Knopf& m, QWidget* eltern, const QString& name = QString());
// Tool tip, visibility and enabled state, for any widget.
void bindeAllgemein(QWidget* w, Element& m);

} // namespace glanzzug
