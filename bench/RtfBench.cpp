// A 1 MB RTF long text read by our reader, beside Qt's own parse of the same content written as
// HTML (QTextDocument::setHtml). Target: within 2x of setHtml.
// Run a Release build: build/bench/rtf_bench
#include "common/formats/RichTextReader.h"

#include <benchmark/benchmark.h>

#include <QTextDocument>

namespace {

constexpr qsizetype kRtfSize = 1024 * 1024;

// The same document twice: paragraphs of several fonts, sizes, styles, colours and alignments,
// with accented and Unicode characters.
struct Content {
    QByteArray rtf = R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;})"
                     R"({\f1\froman Times New Roman;}}{\colortbl ;\red192\green0\blue0;)"
                     R"(\red0\green96\blue160;}\uc1)";
    QString html;

    Content() {
        const char* alignments[][2] = {{"\\ql", "left"}, {"\\qc", "center"}, {"\\qj", "justify"}};
        for (int i = 0; rtf.size() < kRtfSize; ++i) {
            const auto& [rtfAlign, htmlAlign] = alignments[i % 3];
            const int font = i % 2;
            const int halfPoints = 20 + 4 * (i % 4);
            rtf += QStringLiteral("\\pard%1\\f%2\\fs%3 Paragraph %4 of the long text, with ")
                       .arg(rtfAlign)
                       .arg(font)
                       .arg(halfPoints)
                       .arg(i)
                       .toLatin1();
            rtf += R"({\b bold words}, {\i\cf1 italic red words}, {\ul\cf2 underlined blue)"
                   R"( words} and caf\'e9 cr\'e8me \u8364? \u8220?quoted\u8221? text.\par)";
            rtf += '\n';
            html += QStringLiteral(
                        "<p align=%1><span style=\"font-family:'%2';font-size:%3pt\">"
                        "Paragraph %4 of the long text, with <b>bold words</b>, <i "
                        "style=\"color:#c00000\">italic red words</i>, <u "
                        "style=\"color:#0060a0\">underlined blue words</u> and café "
                        "crème € “quoted” text.</span></p>\n")
                        .arg(htmlAlign)
                        .arg(font ? "Times New Roman" : "Arial")
                        .arg(halfPoints / 2)
                        .arg(i);
        }
        rtf += '}';
    }
};

const Content& content() {
    static const Content c;
    return c;
}

void readRtf(benchmark::State& state) {
    const QByteArray& rtf = content().rtf;
    // Both sides must hold the same text, or the comparison says nothing.
    QTextDocument read;
    QTextDocument parsed;
    ztv::readRichText(rtf, read);
    parsed.setHtml(content().html);
    if (read.toPlainText().trimmed() != parsed.toPlainText().trimmed()) {
        state.SkipWithError("the RTF and the HTML differ");
        return;
    }
    for (auto _ : state) {
        QTextDocument document;
        if (!ztv::readRichText(rtf, document))
            state.SkipWithError("not read");
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}

void setHtml(benchmark::State& state) {
    const QString& html = content().html;
    for (auto _ : state) {
        QTextDocument document;
        document.setHtml(html);
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.SetBytesProcessed(state.iterations() * content().rtf.size());
}

}  // namespace

BENCHMARK(setHtml)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(readRtf)->Unit(benchmark::kMillisecond)->MinTime(2.0);
