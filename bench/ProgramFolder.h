#pragma once

// A folder for the program under a benchmark: its language packs and a Program.ini whose com1
// is the simulated radio's device.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <string>

struct BenchProgramFolder {
    explicit BenchProgramFolder(const std::string& radioDevice) {
        const QString bin = QCoreApplication::applicationDirPath() + "/";
        for (const char* name : {"English.qm", "Chinese.qm"}) {
            QFile::copy(bin + name, folder.filePath(name));
        }
        QFile ini(folder.filePath("Program.ini"));
        ini.open(QIODevice::WriteOnly);
        ini.write(
            "[Setup]\nLanguage=English\nAppName=RadioProgBench\nType1=A\nField1=400-470\n"
            "[Ports]\ncom1=" +
            QByteArray::fromStdString(radioDevice) + "\n");
    }
    QString programPath() const { return folder.filePath("radioprog"); }

    QTemporaryDir folder;
};
