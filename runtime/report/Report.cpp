#include "runtime/report/Report.h"

#include "runtime/ado/Recordset.h"
#include "runtime/vb/VbError.h"

namespace report
{

namespace
{

[[noreturn]] void notFound(const QString& name)
{
    throw vb::VbError(vb::ErrItemNotFound, QStringLiteral("Item not found: ") + name,
                      QStringLiteral("Report"));
}

} // namespace

Section::Section(QString name, Kind kind, int height)
    : m_name(std::move(name)), m_kind(kind), m_height(height)
{
}

Label& Section::addLabel(Label label)
{
    m_labels.push_back(std::move(label));
    return m_labels.back();
}

void Section::addRule(Rule rule)
{
    m_rules.push_back(rule);
}

const Label* Section::findControl(const QString& name) const
{
    for (const Label& label : m_labels)
        if (label.name.compare(name, Qt::CaseInsensitive) == 0) return &label;
    return nullptr;
}

const Label& Section::control(const QString& name) const
{
    const Label* label = findControl(name);
    if (!label) notFound(name);
    return *label;
}

Label& Section::control(const QString& name)
{
    return const_cast<Label&>(std::as_const(*this).control(name));
}

Section& Report::addSection(Section section)
{
    m_sections.push_back(std::move(section));
    return m_sections.back();
}

const Section& Report::section(const QString& name) const
{
    for (const Section& s : m_sections)
        if (s.name().compare(name, Qt::CaseInsensitive) == 0) return s;
    notFound(name);
}

Section& Report::section(const QString& name)
{
    return const_cast<Section&>(std::as_const(*this).section(name));
}

int Report::detailCount() const
{
    if (!m_dataSource) return 1;
    return m_dataSource->isOpen() ? m_dataSource->RecordCount() : 0;
}

} // namespace report
