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
#include <cups/cups.h>

namespace platform {

namespace {

constexpr double kTwipsPerInch = 1440.0;

// Where a page goes when there is no printer: a new file in the documents folder (or the home
// folder when that cannot be made), named with the date and time.
QString FallbackPdf(const QString& jobName) {
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"));
    const QString name = QStringLiteral("%1 %2.pdf").arg(jobName, stamp);
    for (const QString& dir : {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                               QDir::homePath(), QDir::tempPath()}) {
        if (!dir.isEmpty() && QDir().mkpath(dir) && QFileInfo(dir).isWritable()) {
            return QDir(dir).filePath(name);
        }
    }
    return {};
}

// Why the print system refused a page (its own text is English and technical).
PrintOutcome::Reason ReasonForRefusal(ipp_status_t status) {
    using Reason = PrintOutcome::Reason;
    switch (status) {
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
        return Reason::NotAccepting;
    case IPP_STATUS_ERROR_NOT_FOUND:
        return Reason::NotFound;
    case IPP_STATUS_ERROR_FORBIDDEN:
    case IPP_STATUS_ERROR_NOT_AUTHORIZED:
    case IPP_STATUS_ERROR_NOT_AUTHENTICATED:
        return Reason::Forbidden;
    case IPP_STATUS_ERROR_DOCUMENT_FORMAT_NOT_SUPPORTED:
        return Reason::FormatNotSupported;
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
    case IPP_STATUS_ERROR_INTERNAL:
    case IPP_STATUS_ERROR_DEVICE:
        return Reason::Unreachable;
    default:
        return Reason::Refused;
    }
}

// Hundredths of a millimetre, as the print system gives sizes, in points.
double HundredthsOfMmToPoints(int v) {
    return v / 2540.0 * 72.0;
}

} // namespace

// The paper the queue prints on by default and where its printable area starts, from the
// queue's driver (PPD) or the printer's own IPP attributes.
std::optional<QueuePaper> QueuePaperOf(const QString& queue) {
    const QByteArray name = queue.toLocal8Bit();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (dest == nullptr) {
        return std::nullopt;
    }
    std::optional<QueuePaper> paper;
    if (cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
        // The paper chosen for the queue (by the administrator or in the user's own printer
        // settings), otherwise the driver's default.
        const char* chosen = cupsGetOption("media", dest->num_options, dest->options);
        if (chosen == nullptr) {
            chosen = cupsGetOption("PageSize", dest->num_options, dest->options);
        }
        if (chosen == nullptr) {
            if (ipp_attribute_t* media =
                    cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "media")) {
                chosen = ippGetString(media, 0, nullptr);
            }
        }
        cups_size_t size{};
        const bool found = (chosen != nullptr && cupsGetDestMediaByName(CUPS_HTTP_DEFAULT, dest,
                                                                        info, chosen, 0, &size)) ||
                           cupsGetDestMediaDefault(CUPS_HTTP_DEFAULT, dest, info, 0, &size);
        if (found && size.width > 0 && size.length > 0) {
            paper = QueuePaper{
                QString::fromUtf8(size.media),
                QSizeF(HundredthsOfMmToPoints(size.width), HundredthsOfMmToPoints(size.length)),
                QPointF(HundredthsOfMmToPoints(size.left), HundredthsOfMmToPoints(size.top))};
        }
        cupsFreeDestInfo(info);
    }
    cupsFreeDests(1, dest);
    return paper;
}

namespace {

// Hands a finished page to a print queue, and tells whether the queue took it. The page is
// already laid out on the queue's paper: the queue must print it as it is, not fit it.
PrintOutcome SendToQueue(const QString& queue, const QString& file, const QString& media,
                         const QString& jobName) {
    PrintOutcome outcome;
    const QByteArray name = queue.toLocal8Bit();
    cups_option_t* options = nullptr;
    int count = 0;
    count = cupsAddOption("print-scaling", "none", count, &options);
    count = cupsAddOption("fit-to-page", "false", count, &options);
    if (!media.isEmpty()) {
        count = cupsAddOption("media", media.toUtf8().constData(), count, &options);
    }
    const int job = cupsPrintFile(name.constData(), QFile::encodeName(file).constData(),
                                  jobName.toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (job == 0) {
        outcome.kind = PrintOutcome::Kind::Failed;
        outcome.reason = ReasonForRefusal(cupsLastError());
        outcome.queue = queue;
        return outcome;
    }
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (dest != nullptr) {
        const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
        if (state != nullptr && qstrcmp(state, "5") == 0) { // stopped
            outcome.kind = PrintOutcome::Kind::Waiting;
            outcome.queue = queue;
        }
        cupsFreeDests(1, dest);
    }
    return outcome;
}

} // namespace

QtPrinter::QtPrinter(QString jobName, QString pdfFile)
    : fonts_(SystemFontNames()), jobName_(std::move(jobName)), pdfFile_(std::move(pdfFile)) {
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
    printer_->setDocName(jobName_);
    QString file = pdfFile_;
    if (file.isEmpty()) {
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        if (printer.isNull()) {
            file = FallbackPdf(jobName_);
            toFallbackPdf_ = true;
        } else if (spool_.isValid()) {
            queue_ = printer.printerName();
            file = spool_.filePath(QStringLiteral("pagina.pdf"));
            if (const auto paper = QueuePaperOf(queue_)) {
                // The whole sheet, with positions measured from the printable area's corner.
                media_ = paper->media;
                printer_->setFullPage(true);
                printer_->setPageSize(QPageSize(paper->size, QPageSize::Point));
                printer_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
                origin_ = paper->printableOrigin;
            } else {
                printer_->setPageSize(printer.defaultPageSize());
            }
        }
    }
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(file);
    pdfFile_ = file;
    painter_ = std::make_unique<QPainter>();
    if (file.isEmpty() || !painter_->begin(printer_.get())) {
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
    const QPointF at((x_ / kTwipsPerInch + origin_.x() / 72.0) * dpi,
                     (y_ / kTwipsPerInch + origin_.y() / 72.0) * dpi);
    // The position is the text's top-left corner.
    painter_->drawText(QRectF(at, QSizeF(1e6, 1e6)), Qt::AlignLeft | Qt::AlignTop, text);
}

PrintOutcome QtPrinter::EndDoc() {
    PrintOutcome outcome;
    if (!Begin()) {
        outcome.kind = PrintOutcome::Kind::Failed;
        outcome.reason =
            pdfFile_.isEmpty() ? PrintOutcome::Reason::NoFolder : PrintOutcome::Reason::NotWritten;
        return outcome;
    }
    if (!painter_->end() || !QFileInfo::exists(pdfFile_)) {
        outcome.kind = PrintOutcome::Kind::Failed;
        outcome.reason = PrintOutcome::Reason::NotWritten;
        return outcome;
    }
    if (queue_.isEmpty()) {
        outcome.kind = toFallbackPdf_ ? PrintOutcome::Kind::SavedPdf : PrintOutcome::Kind::Printed;
        outcome.file = pdfFile_;
        return outcome;
    }
    return SendToQueue(queue_, pdfFile_, media_, jobName_);
}

QtPrinterProvider::QtPrinterProvider(QString jobName) : jobName_(std::move(jobName)) {
}

std::unique_ptr<Printer> QtPrinterProvider::DefaultPrinter() {
    return std::make_unique<QtPrinter>(jobName_);
}

QtMessageBox::QtMessageBox(QString caption) : caption_(std::move(caption)) {
}

void QtMessageBox::Show(const QString& text) {
    QMessageBox box(QMessageBox::Information, caption_, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

} // namespace platform
