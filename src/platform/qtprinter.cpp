#include "platform/qtprinter.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <algorithm>

namespace platform {

namespace {

constexpr double kTwipsPerInch = 1440.0;

// Where a page goes when there is no printer: a new file in the documents folder (or the home
// folder when that cannot be made), named with the date and time.
QString FallbackPdf() {
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"));
    const QString name = QStringLiteral("Esercizi di sottrazione %1.pdf").arg(stamp);
    for (const QString& dir : {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                               QDir::homePath(), QDir::tempPath()}) {
        if (!dir.isEmpty() && QDir().mkpath(dir) && QFileInfo(dir).isWritable()) {
            return QDir(dir).filePath(name);
        }
    }
    return {};
}

} // namespace

QtPrinter::QtPrinter(QString pdfFile) : fonts_(SystemFontNames()), pdfFile_(std::move(pdfFile)) {
}

QtPrinter::~QtPrinter() {
    if (painter_ && painter_->isActive()) {
        painter_->end();
    }
}

QStringList QtPrinter::SystemFontNames() {
    QStringList names = QFontDatabase::families();
    for (const QString& courier : {QStringLiteral("Courier New"), QStringLiteral("Courier")}) {
        if (!names.contains(courier) && QFontInfo(QFont(courier)).fixedPitch()) {
            names << courier;
        }
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

int QtPrinter::FontCount() const {
    return static_cast<int>(fonts_.size());
}
QString QtPrinter::FontName(int index) const {
    return fonts_.value(index);
}

void QtPrinter::SetFontName(const QString& name) {
    font_.setFamily(name);
}
void QtPrinter::SetFontSize(double points) {
    font_.setPointSizeF(points);
}
void QtPrinter::SetFontBold(bool bold) {
    font_.setBold(bold);
}
void QtPrinter::SetCurrentX(double twips) {
    x_ = twips;
}
void QtPrinter::SetCurrentY(double twips) {
    y_ = twips;
}

bool QtPrinter::Begin() {
    if (painter_) {
        return painter_->isActive();
    }
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setDocName(QStringLiteral("Esercizi di sottrazione"));
    QString file = pdfFile_;
    if (file.isEmpty() && QPrinterInfo::defaultPrinter().isNull()) {
        file = FallbackPdf();
        toFallbackPdf_ = true;
    }
    if (!file.isEmpty()) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(file);
        pdfFile_ = file;
    } else {
        printer_->setPrinterName(QPrinterInfo::defaultPrinter().printerName());
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        failed_ = true;
        return false;
    }
    return true;
}

void QtPrinter::Print(const QString& text) {
    if (!Begin()) {
        return;
    }
    painter_->setFont(font_);
    const double dpi = printer_->resolution();
    const QPointF at(x_ / kTwipsPerInch * dpi, y_ / kTwipsPerInch * dpi);
    // The position is the text's top-left corner.
    painter_->drawText(QRectF(at, QSizeF(1e6, 1e6)), Qt::AlignLeft | Qt::AlignTop, text);
}

PrintOutcome QtPrinter::EndDoc() {
    PrintOutcome outcome;
    if (!Begin()) {
        outcome.kind = PrintOutcome::Kind::Failed;
        outcome.detail = toFallbackPdf_ && pdfFile_.isEmpty()
                             ? QStringLiteral("nessuna cartella in cui scrivere")
                             : QStringLiteral("la stampante non ha accettato la pagina");
        return outcome;
    }
    const bool ended = painter_->end();
    const bool error = !ended || failed_ || printer_->printerState() == QPrinter::Error ||
                       printer_->printerState() == QPrinter::Aborted;
    if (error) {
        outcome.kind = PrintOutcome::Kind::Failed;
        outcome.detail = QStringLiteral("la stampante ha segnalato un errore");
    } else if (printer_->outputFormat() == QPrinter::PdfFormat) {
        outcome.kind = toFallbackPdf_ ? PrintOutcome::Kind::SavedPdf : PrintOutcome::Kind::Printed;
        outcome.file = pdfFile_;
        if (!QFileInfo::exists(pdfFile_)) {
            outcome.kind = PrintOutcome::Kind::Failed;
            outcome.detail = QStringLiteral("il file non si è potuto scrivere");
        }
    }
    return outcome;
}

std::unique_ptr<Printer> QtPrinterProvider::DefaultPrinter() {
    return std::make_unique<QtPrinter>();
}

void QtMessageBox::Show(const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Tabella"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

} // namespace platform
