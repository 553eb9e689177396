#pragma once

// The default printer as the windows see it: its font names, the font, the current position
// in twips from the top-left corner of the printable area, printing a text there, and ending
// the document, which sends it.

#include <QString>
#include <memory>

namespace platform {

// What became of a document when it was ended. The program words it for the user.
struct PrintOutcome {
    enum class Kind {
        Printed,  // handed to the printer
        Waiting,  // accepted, but the printer is stopped: it waits in the queue
        SavedPdf, // no printer: the same page was written as a PDF file
        Failed,   // the printer or the file refused it
    };
    // Why it failed.
    enum class Reason {
        None,
        NoFolder,           // no printer, and no folder to write the PDF in
        NotWritten,         // the PDF could not be written
        NotAccepting,       // the queue does not accept jobs now
        NotFound,           // the queue is gone
        Forbidden,          // the queue does not let this user print
        FormatNotSupported, // the queue cannot print a PDF page
        Unreachable,        // the print server does not answer
        Refused,            // any other refusal
    };
    Kind kind = Kind::Printed;
    QString file; // the PDF, when one was written
    Reason reason = Reason::None;
    QString queue; // the printer concerned, if any
};

class Printer {
public:
    virtual ~Printer() = default;
    virtual int FontCount() const = 0;
    virtual QString FontName(int index) const = 0;
    virtual void SetFontName(const QString& name) = 0;
    virtual void SetFontSize(double points) = 0;
    virtual void SetFontBold(bool bold) = 0;
    virtual void SetCurrentX(double twips) = 0;
    virtual void SetCurrentY(double twips) = 0;
    // Prints the text with its top-left corner at the current position; the first text
    // starts the document.
    virtual void Print(const QString& text) = 0;
    virtual PrintOutcome EndDoc() = 0;
};

// Gives a printer object for one printout.
class PrinterProvider {
public:
    virtual ~PrinterProvider() = default;
    virtual std::unique_ptr<Printer> DefaultPrinter() = 0;
};

// A message box with a text and an OK button.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void Show(const QString& text) = 0;
};

} // namespace platform
