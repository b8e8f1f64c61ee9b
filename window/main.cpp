#include <QApplication>

#include "Apparence.h"
#include "BoiteMessage.h"
#include "FrmMain.h"
#include "Programme.h"

int main(int argc, char* argv[]) {
    const bool surX = PrefereX();
    QApplication application(argc, argv);
    // The programs that it starts, the browser among them, choose for themselves.
    if (surX) qunsetenv("QT_QPA_PLATFORM");
    FixeApparence();
    TraduitTextesQt();
    InstalleBoiteErreur();
    FrmMain frmMain;
    frmMain.show();
    return QApplication::exec();
}
