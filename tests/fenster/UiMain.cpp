// Main of the widget tests: the offscreen platform is chosen before the QApplication
// exists, so that the tests (and their discovery) run without a display server. Its one
// screen has the size the target gives (GLANZZUG_SCHIRM_B × GLANZZUG_SCHIRM_H: a small
// desktop screen or a laptop's), so tests can check that the window stays on it.
#include <QApplication>
#include <QTemporaryFile>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QTemporaryFile schirm;
    if (!schirm.open()) return 2;
    schirm.write(QStringLiteral(R"({"screens": [{"name": "Schirm", "x": 0, "y": 0, "width": %1, "height": %2,
                                  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                     .arg(GLANZZUG_SCHIRM_B).arg(GLANZZUG_SCHIRM_H).toUtf8());
    if (!schirm.flush()) return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + schirm.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
