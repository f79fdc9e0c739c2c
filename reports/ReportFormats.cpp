#include "ReportFormats.h"

#include <QCoreApplication>

#include "Reports.h"

namespace {

using Kind = ReportPart::Kind;

QString Utf8(const std::string& text) {
  return QString::fromStdString(text);
}

QString Trimmed(const std::string& line) {
  return Utf8(line).trimmed();
}

QString KeyHeader() {
  return QCoreApplication::translate("ReportFormats", "Klic");
}
QString AttributeHeader() {
  return QCoreApplication::translate("ReportFormats", "Atribut");
}
QString MaxSetsHeader() {
  return QCoreApplication::translate("ReportFormats", "Maximalni mnoziny");
}

// Markdown: what would start emphasis, a link, a table cell, a heading or
// markup is taken literally; the arrows "->" stay as they are.
QString MarkdownEscaped(const QString& text) {
  QString out;
  for (const QChar c : text) {
    if (QStringLiteral("\\`*_[]<>|#").contains(c)) out += QLatin1Char('\\');
    out += c;
  }
  return out;
}

QString MarkdownNames(const std::vector<std::string>& names) {
  QStringList escaped;
  for (const std::string& name : names)
    escaped << MarkdownEscaped(Utf8(name));
  return escaped.join(QStringLiteral(", "));
}

QString MarkdownSet(const ReportSet& set) {
  QString text = QLatin1Char('{') + MarkdownNames(set.names) + QLatin1Char('}');
  if (set.count > 1) text += QStringLiteral(" (%1x)").arg(set.count);
  return text;
}

QString Markdown(const Report& report) {
  QString out;
  const auto paragraph = [&out](const QString& text) {
    if (!text.isEmpty()) out += text + QStringLiteral("\n\n");
  };
  for (const ReportPart& part : report) {
    switch (part.kind) {
      case Kind::Lines:
        for (const std::string& line : part.text)
          paragraph(MarkdownEscaped(Trimmed(line)));
        break;
      case Kind::Title:
      case Kind::Heading:
      case Kind::Subheading: {
        const QString mark = part.kind == Kind::Title     ? QStringLiteral("# ")
                             : part.kind == Kind::Heading ? QStringLiteral("## ")
                                                          : QStringLiteral("### ");
        for (const std::string& line : part.text)
          paragraph(mark + MarkdownEscaped(Trimmed(line)));
        break;
      }
      case Kind::Gap:
        break;
      case Kind::Rule:
        paragraph(QStringLiteral("---"));
        break;
      case Kind::Names:
        paragraph(MarkdownNames(part.names));
        break;
      case Kind::Dependencies: {
        QString list;
        for (const NamedDependency& d : part.dependencies) {
          list += QStringLiteral("- ") +
                  (d.lhs.empty() ? QStringLiteral("{}") : MarkdownNames(d.lhs)) +
                  QStringLiteral(" -> ") + MarkdownEscaped(Utf8(d.rhs)) + QLatin1Char('\n');
        }
        if (!list.isEmpty()) out += list + QLatin1Char('\n');
        break;
      }
      case Kind::Keys: {
        QString table = QStringLiteral("| %1 |\n| --- |\n").arg(KeyHeader());
        for (const ReportSet& key : part.sets) {
          table += QStringLiteral("| %1 |\n")
                       .arg(key.names.empty() ? KeyLineText({}) : MarkdownSet(key));
        }
        out += table + QLatin1Char('\n');
        break;
      }
      case Kind::MaxSets: {
        QString table =
            QStringLiteral("| %1 | %2 |\n| --- | --- |\n").arg(AttributeHeader(), MaxSetsHeader());
        for (const ReportSetRow& row : part.rows) {
          QStringList sets;
          for (const ReportSet& set : row.sets)
            sets << MarkdownSet(set);
          table += QStringLiteral("| %1 | %2 |\n")
                       .arg(MarkdownEscaped(Utf8(row.name)),
                            sets.isEmpty() ? NoSetText() : sets.join(QStringLiteral(", ")));
        }
        out += table + QLatin1Char('\n');
        break;
      }
    }
  }
  return out;
}

// LaTeX: the characters TeX gives a meaning are written as the commands that
// print them; other letters stay UTF-8 for inputenc.
QString LatexEscaped(const QString& text) {
  QString out;
  for (const QChar c : text) {
    switch (c.unicode()) {
      case '\\':
        out += QStringLiteral("\\textbackslash{}");
        break;
      case '~':
        out += QStringLiteral("\\textasciitilde{}");
        break;
      case '^':
        out += QStringLiteral("\\textasciicircum{}");
        break;
      case '<':
        out += QStringLiteral("\\textless{}");
        break;
      case '>':
        out += QStringLiteral("\\textgreater{}");
        break;
      case '|':
        out += QStringLiteral("\\textbar{}");
        break;
      case '_':
      case '%':
      case '&':
      case '#':
      case '$':
      case '{':
      case '}':
        out += QLatin1Char('\\') + c;
        break;
      default:
        out += c;
    }
  }
  return out;
}

// Names stand in math as text, so that blanks and letters such as "ř" stay.
QString LatexNames(const std::vector<std::string>& names) {
  QStringList boxed;
  for (const std::string& name : names)
    boxed << QStringLiteral("\\mbox{%1}").arg(LatexEscaped(Utf8(name)));
  return boxed.join(QStringLiteral(", "));
}

QString LatexSet(const ReportSet& set) {
  QString text = QStringLiteral("$\\{%1\\}$").arg(LatexNames(set.names));
  if (set.count > 1) text += QStringLiteral("~(%1$\\times$)").arg(set.count);
  return text;
}

QString Latex(const Report& report) {
  QString out;
  const auto paragraph = [&out](const QString& text) {
    if (!text.isEmpty()) out += text + QStringLiteral("\\par\n");
  };
  const auto tabular = [&out](const QString& columns, const QString& header,
                              const QStringList& rows) {
    out += QStringLiteral("\\begin{tabular}{%1}\n\\hline\n").arg(columns);
    if (!header.isEmpty()) out += header + QStringLiteral(" \\\\\n\\hline\n");
    for (const QString& row : rows)
      out += row + QStringLiteral(" \\\\\n");
    out += QStringLiteral("\\hline\n\\end{tabular}\\par\n");
  };
  for (const ReportPart& part : report) {
    switch (part.kind) {
      case Kind::Lines:
        for (const std::string& line : part.text)
          paragraph(LatexEscaped(Trimmed(line)));
        break;
      case Kind::Title:
      case Kind::Heading:
      case Kind::Subheading: {
        const QString command = part.kind == Kind::Title     ? QStringLiteral("section")
                                : part.kind == Kind::Heading ? QStringLiteral("subsection")
                                                             : QStringLiteral("subsubsection");
        for (const std::string& line : part.text)
          out += QStringLiteral("\\%1*{%2}\n").arg(command, LatexEscaped(Trimmed(line)));
        break;
      }
      case Kind::Gap:
        break;
      case Kind::Rule:
        out += QStringLiteral("\\medskip\\hrule\\medskip\n");
        break;
      case Kind::Names:
        paragraph(LatexNames(part.names));
        break;
      case Kind::Dependencies: {
        QStringList rows;
        for (const NamedDependency& d : part.dependencies) {
          rows << QStringLiteral("$\\{%1\\} \\rightarrow \\mbox{%2}$")
                      .arg(LatexNames(d.lhs), LatexEscaped(Utf8(d.rhs)));
        }
        if (!rows.isEmpty()) tabular(QStringLiteral("l"), QString(), rows);
        break;
      }
      case Kind::Keys: {
        QStringList rows;
        for (const ReportSet& key : part.sets)
          rows << (key.names.empty() ? LatexEscaped(KeyLineText({})) : LatexSet(key));
        tabular(QStringLiteral("l"), LatexEscaped(KeyHeader()), rows);
        break;
      }
      case Kind::MaxSets: {
        QStringList rows;
        for (const ReportSetRow& row : part.rows) {
          QStringList sets;
          for (const ReportSet& set : row.sets)
            sets << LatexSet(set);
          rows << LatexEscaped(Utf8(row.name)) + QStringLiteral(" & ") +
                      (sets.isEmpty() ? LatexEscaped(NoSetText())
                                      : sets.join(QStringLiteral(", ")));
        }
        tabular(
            QStringLiteral("lp{0.7\\linewidth}"),
            LatexEscaped(AttributeHeader()) + QStringLiteral(" & ") + LatexEscaped(MaxSetsHeader()),
            rows);
        break;
      }
    }
  }
  return out;
}

}  // namespace

ReportPart TextPart(ReportPart::Kind kind, std::vector<std::string> lines) {
  ReportPart part;
  part.kind = kind;
  part.text = std::move(lines);
  return part;
}

QStringList ReportFormatNames() {
  return {QStringLiteral("text"), QStringLiteral("markdown"), QStringLiteral("latex")};
}

std::optional<ReportFormat> ReportFormatNamed(const QString& name) {
  const qsizetype index = ReportFormatNames().indexOf(name);
  if (index < 0) return std::nullopt;
  return static_cast<ReportFormat>(index);
}

std::vector<std::string> TextLines(const Report& report) {
  std::vector<std::string> lines;
  for (const ReportPart& part : report)
    lines.insert(lines.end(), part.text.begin(), part.text.end());
  return lines;
}

QString FormatReport(const Report& report, ReportFormat format) {
  switch (format) {
    case ReportFormat::Text: {
      QString out;
      for (const std::string& line : TextLines(report))
        out += WithoutTrailingBlanks(line) + QLatin1Char('\n');
      return out;
    }
    case ReportFormat::Markdown:
      return Markdown(report);
    case ReportFormat::Latex:
      return Latex(report);
  }
  return {};
}
