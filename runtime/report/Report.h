#pragma once

#include <QString>
#include <Qt>

#include <memory>
#include <vector>

namespace ado
{
class Recordset;
}

namespace report
{

// Positions and sizes are in twips (1440 to the inch).
inline constexpr int TwipsPerInch = 1440;

// A label: fixed text or a value the report's code writes before printing.
struct Label {
    QString name;
    QString caption;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    double pointSize = 9;
    bool bold = false;
    Qt::Alignment alignment = Qt::AlignLeft;
};

// A horizontal rule.
struct Rule {
    int left = 0;
    int top = 0;
    int width = 0;
};

class Section
{
public:
    enum class Kind { ReportHeader, PageHeader, Detail, PageFooter, ReportFooter };

    Section(QString name, Kind kind, int height);

    const QString& name() const { return m_name; }
    Kind kind() const { return m_kind; }
    int height() const { return m_height; }

    // References stay valid until the next label is added.
    Label& addLabel(Label label);
    void addRule(Rule rule);

    // A label by name, any case; VbError 3265 when the section has none of that name.
    Label& control(const QString& name);
    const Label& control(const QString& name) const;
    const Label* findControl(const QString& name) const;

    const std::vector<Label>& labels() const { return m_labels; }
    const std::vector<Rule>& rules() const { return m_rules; }

private:
    QString m_name;
    Kind m_kind;
    int m_height;
    std::vector<Label> m_labels;
    std::vector<Rule> m_rules;
};

// A banded report: its sections in print order, the width of its body and its page margins.
// The detail section prints once for every row of the data source (once when none is bound).
// Copies share the data source.
class Report
{
public:
    enum Orientation { Portrait = 1, Landscape = 2 };

    QString caption;
    int width = 0;
    int leftMargin = 720;
    int topMargin = 720;
    int rightMargin = 720;
    int bottomMargin = 720;
    Orientation orientation = Portrait;
    QString fontFamily = QStringLiteral("Arial");

    Section& addSection(Section section);

    // A section by name, any case; VbError 3265 when the report has none of that name.
    Section& section(const QString& name);
    const Section& section(const QString& name) const;
    const std::vector<Section>& sections() const { return m_sections; }

    void setDataSource(std::shared_ptr<const ado::Recordset> source) { m_dataSource = std::move(source); }
    const ado::Recordset* dataSource() const { return m_dataSource.get(); }
    int detailCount() const;

private:
    std::vector<Section> m_sections;
    std::shared_ptr<const ado::Recordset> m_dataSource;
};

} // namespace report
