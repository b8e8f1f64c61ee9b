#include <QApplication>

#include "BoiteMessage.h"
#include "FrmMain.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    InstalleBoiteErreur();
    FrmMain frmMain;
    frmMain.show();
    return QApplication::exec();
}
