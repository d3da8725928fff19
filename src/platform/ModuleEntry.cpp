#include "ModuleEntry.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {

// Set by the build: where the installed modules lie, relative to the installed program.
const QString InstalledModuleFromProgram = QStringLiteral(KOVRA_INSTALLED_MODULE_DIR);

}

void *moduleEntry(const char *moduleName, const char *entryName)
{
    const QString programFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    for (const QString &folder :
         {programFolder, programFolder + InstalledModuleFromProgram + QLatin1Char('/')}) {
        // The module stays loaded when the QLibrary goes.
        QLibrary module(folder + QLatin1String(moduleName));
        if (const QFunctionPointer entry = module.resolve(entryName))
            return reinterpret_cast<void *>(entry);
    }
    return nullptr;
}
