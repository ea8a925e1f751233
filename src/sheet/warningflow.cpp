#include "warningflow.h"

namespace sheet {

namespace {

bool listed(const refdata::RemedyTable& table, int i)
{
    return i >= 0 && i < table.count && table.isListed(i);
}

} // namespace

WarningFlow::Step WarningFlow::remedyPageStep(const refdata::RemedyTable& table, int i)
{
    if (i < 0 || i >= table.count)
        return {};
    if (!table.isListed(i))
        return {QString(), false};
    m_state.warningText = table.extraWarning[i];
    return {table.listWarning[i], !m_state.silenced};
}

QString WarningFlow::picked(const refdata::RemedyTable& table, int i, bool& pending)
{
    if (!listed(table, i))
        return {};
    m_state.warningText = table.extraWarning[i];
    pending = true;
    return table.listWarning[i];
}

QString WarningFlow::found(const refdata::RemedyTable& table, int i)
{
    return listed(table, i) ? table.listWarning[i] : QString();
}

bool WarningFlow::takePending(bool& pending) const
{
    const bool open = pending && !m_state.silenced;
    pending = false;
    return open;
}

} // namespace sheet
