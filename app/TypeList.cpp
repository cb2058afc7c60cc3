#include "app/PurgoxDlg.h"

#include <mbstring.h>

#include "res/resource.h"

namespace {

const char* const kDefaultTypes[] = {
    "*.bsc/*.idb/*.obj/*.pdb/*.exp/*.pch/*.res/*.sbr/*.aps/*.ncb/*.ilk",
    "*.tmp/*.bak",
};

bool SameTypeText(const std::string& a, const std::string& b)
{
    return _mbsicmp(reinterpret_cast<const unsigned char*>(a.c_str()),
                    reinterpret_cast<const unsigned char*>(b.c_str())) == 0;
}

} // namespace

void CPurgoxDlg::SetDefaultTypes()
{
    m_arrTypes.assign(std::begin(kDefaultTypes), std::end(kDefaultTypes));
}

void CPurgoxDlg::FillTypeCombo()
{
    for (const std::string& type : m_arrTypes)
        m_comboTypes.AddString(type);
}

// The selected entry goes first: that is how the settings file keeps the
// selection. Other empty entries are dropped.
void CPurgoxDlg::ReadTypeCombo()
{
    m_arrTypes.clear();
    const int selected = m_comboTypes.GetCurSel();
    const int count = m_comboTypes.GetCount();
    m_arrTypes.push_back(m_comboTypes.GetLBText(selected));
    for (int i = 0; i < count; ++i) {
        if (i == selected)
            continue;
        std::string type = m_comboTypes.GetLBText(i);
        if (!type.empty())
            m_arrTypes.push_back(std::move(type));
    }
}

// Splits at every "/" and drops the empty pieces; blanks stay part of the
// patterns. "/" never occurs inside a double-byte character.
int CPurgoxDlg::SplitPatterns()
{
    NameList& patterns = m_run->m_arrPatterns;
    patterns.clear();
    const std::string text = m_comboTypes.GetText();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('/', start);
        if (end == std::string::npos)
            end = text.size();
        if (end > start)
            patterns.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return static_cast<int>(patterns.size());
}

void CPurgoxDlg::OnAddType()
{
    const std::string text = m_comboTypes.GetText();
    const int count = m_comboTypes.GetCount();
    int index = 0;
    while (index < count && !SameTypeText(m_comboTypes.GetLBText(index), text))
        ++index;
    if (index == count)
        index = m_comboTypes.AddString(text);
    m_comboTypes.SetCurSel(index);
    m_comboTypes.SetEditSel(0, -1);
    OnTypeSelChange();
}

void CPurgoxDlg::OnRemoveType()
{
    const int selected = m_comboTypes.GetCurSel();
    if (selected != CB_ERR)
        m_comboTypes.DeleteString(selected);
    if (m_comboTypes.GetCount() == 0) {
        SetDefaultTypes();
        FillTypeCombo();
    }
    m_comboTypes.SetCurSel(0);
    m_comboTypes.SetEditSel(0, -1);
}

void CPurgoxDlg::OnTypeEditChange()
{
    Item(IDC_REMOVE_TYPE).Show(false);
    Item(IDC_ADD_TYPE).Show(true);
}

void CPurgoxDlg::OnTypeSelChange()
{
    Item(IDC_ADD_TYPE).Show(false);
    Item(IDC_REMOVE_TYPE).Show(true);
}
