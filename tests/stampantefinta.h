#pragma once

#include "platform/printer.h"

#include <QStringList>
#include <vector>

// A printer for tests: it records every operation in order and ends its documents as told.
class StampanteFinta final : public platform::Printer {
public:
    explicit StampanteFinta(QStringList font) : font_(std::move(font)) {}

    struct Testo {
        double x, y, punti;
        bool grassetto;
        QString font, testo;
    };
    std::vector<Testo> stampati;
    QStringList operazioni; // "font", "size", "bold", "print", "end"
    platform::PrintOutcome esito;
    int documenti = 0;
    std::vector<std::vector<Testo>>* archivio = nullptr; // where ended documents are copied

    int FontCount() const override { return static_cast<int>(font_.size()); }
    QString FontName(int i) const override { return font_.at(i); }
    void SetFontName(const QString& n) override {
        font = n;
        operazioni << QStringLiteral("font");
    }
    void SetFontSize(double p) override {
        punti = p;
        operazioni << QStringLiteral("size");
    }
    void SetFontBold(bool b) override {
        grassetto = b;
        operazioni << QStringLiteral("bold");
    }
    void SetCurrentX(double t) override { x = t; }
    void SetCurrentY(double t) override { y = t; }
    void Print(const QString& t) override {
        stampati.push_back({x, y, punti, grassetto, font, t});
        operazioni << QStringLiteral("print");
    }
    platform::PrintOutcome EndDoc() override {
        ++documenti;
        operazioni << QStringLiteral("end");
        if (archivio != nullptr) {
            archivio->push_back(stampati);
        }
        return esito;
    }

private:
    QStringList font_;
    QString font;
    double x = 0, y = 0, punti = 0;
    bool grassetto = false;
};

// Every printout gets a fresh fake, kept here for the test to read.
class StampantiFinte final : public platform::PrinterProvider {
public:
    explicit StampantiFinte(QStringList font) : font_(std::move(font)) {}
    std::unique_ptr<platform::Printer> DefaultPrinter() override {
        auto s = std::make_unique<StampanteFinta>(font_);
        s->esito = esito;
        s->archivio = &documenti;
        return s;
    }
    platform::PrintOutcome esito;
    std::vector<std::vector<StampanteFinta::Testo>> documenti; // every document ended

private:
    QStringList font_;
};

class MessaggiFinti final : public platform::MessageBox {
public:
    void Show(const QString& testo) override { mostrati << testo; }
    QStringList mostrati;
};
