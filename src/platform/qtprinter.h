#pragma once

#include "platform/printer.h"

#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>

class QPainter;
class QPrinter;

namespace platform {

// A queue's default paper: its name for the print system, its size in points, and the
// top-left corner of its printable area in points from the sheet's corner.
struct QueuePaper {
    QString media;
    QSizeF size;
    QPointF printableOrigin;
};
std::optional<QueuePaper> QueuePaperOf(const QString& queue);

// The system's default printer (CUPS on Linux): QPrinter draws the page as a PDF, which is
// then handed to the printer's queue, so that a queue refusing it is known. With no printer
// installed the page goes into a PDF file in the user's documents folder instead, named after
// the job; `pdfFile` sends it to a given PDF file whatever printers there are.
class QtPrinter final : public Printer {
public:
    explicit QtPrinter(QString jobName, QString pdfFile = {});
    ~QtPrinter() override;

    // The font families the system can draw, with "Courier" and "Courier New" when the font
    // configuration maps them to a fixed-pitch face, in alphabetical order.
    static QStringList SystemFontNames();

    int FontCount() const override;
    QString FontName(int index) const override;
    void SetFontName(const QString& name) override;
    void SetFontSize(double points) override;
    void SetFontBold(bool bold) override;
    void SetCurrentX(double twips) override;
    void SetCurrentY(double twips) override;
    void Print(const QString& text) override;
    PrintOutcome EndDoc() override;

private:
    bool Begin();

    QStringList fonts_;
    QString jobName_; // the program's name for the document: the queue's job, the PDF's name
    QString pdfFile_;
    QString queue_;  // the printer the page is handed to, if any
    QString media_;  // and the paper it is laid out on
    QPointF origin_; // the printable area's corner on the sheet, in points
    QTemporaryDir spool_;
    bool toFallbackPdf_ = false;
    QFont font_;
    double x_ = 0, y_ = 0;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    bool failed_ = false;
};

class QtPrinterProvider final : public PrinterProvider {
public:
    explicit QtPrinterProvider(QString jobName);
    std::unique_ptr<Printer> DefaultPrinter() override;

private:
    QString jobName_;
};

class QtMessageBox final : public MessageBox {
public:
    explicit QtMessageBox(QString caption);
    void Show(const QString& text) override;

private:
    QString caption_;
};

} // namespace platform
