#include "app/FileErrorMessages.h"

#include "editor/InPlaceFileWrite.h"

#include <QFile>

namespace tavlo {

QString FileErrorReasonText(TFileErrorReason reason, int systemError) {
    switch (reason) {
    case TFileErrorReason::NoPermission:
        return QStringLiteral("Brak uprawnień dostępu.");
    case TFileErrorReason::NoSpace:
        return QStringLiteral("Brak wolnego miejsca na dysku.");
    case TFileErrorReason::IsFolder:
        return QStringLiteral("To jest folder, a nie plik.");
    case TFileErrorReason::NotRegularFile:
        return QStringLiteral("To nie jest zwykły plik.");
    case TFileErrorReason::NameTooLong:
        return QStringLiteral("Nazwa pliku jest za długa.");
    case TFileErrorReason::TooBigForMemory:
        return QStringLiteral("Plik jest za duży, by zmieścić się w pamięci.");
    case TFileErrorReason::NotFound:
        return QStringLiteral("Plik lub folder nie istnieje.");
    case TFileErrorReason::ReadOnlyFileSystem:
        return QStringLiteral("Dysk jest dostępny tylko do odczytu.");
    case TFileErrorReason::TooLargeForFileSystem:
        return QStringLiteral("Plik przekroczyłby największy rozmiar dozwolony na tym dysku.");
    case TFileErrorReason::InputOutput:
        return QStringLiteral("Błąd odczytu lub zapisu na dysku.");
    case TFileErrorReason::NameNotRepresentable:
        return QStringLiteral("Nazwa pliku zawiera bajty, których nie da się odczytać jako "
                              "tekstu (UTF-8).");
    case TFileErrorReason::NoBackup:
        return QStringLiteral("Plik trzeba zapisać w miejscu starego, a nie udało się zrobić "
                              "jego kopii zapasowej w folderze %1.")
            .arg(QFile::decodeName(QByteArray::fromStdString(BackupFolder())));
    case TFileErrorReason::Unknown:
        break;
    }
    return systemError != 0 ? QStringLiteral("Błąd systemu nr %1.").arg(systemError)
                            : QStringLiteral("Nieznany błąd.");
}

QString FileErrorMessage(const EFileError& error) {
    // The message carries the name in its bytes on disk.
    QString text = QFile::decodeName(QByteArray(error.what())) + QLatin1Char('\r') +
                   FileErrorReasonText(error.Reason(), error.SystemError());
    const auto* created = dynamic_cast<const EFCreateError*>(&error);
    if (!created) return text;
    switch (created->OldFile()) {
    case TOldFileState::Kept:
        text += QStringLiteral("\rPoprzednia zawartość pliku została zachowana.");
        break;
    case TOldFileState::InBackup:
        text += QStringLiteral("\rNie udało się przywrócić poprzedniej zawartości pliku; jej "
                               "kopia zapasowa leży w:\r") +
                QFile::decodeName(QByteArray::fromStdString(created->BackupPath()));
        break;
    case TOldFileState::None:
        break;
    }
    return text;
}

} // namespace tavlo
