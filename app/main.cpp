// Project1: the application, its one window Form1, and the message loop.
#include <QApplication>

#include "ui/form1.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    TForm1 Form1;
    application.setWindowIcon(Form1.windowIcon());
    Form1.show();
    return application.exec();
}
