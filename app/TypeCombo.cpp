#include "app/PurgoxDlg.h"

#include "app/TypeList.h"
#include "res/resource.h"

void CPurgoxDlg::SetDefaultTypes()
{
    m_arrTypes = BuiltInTypes();
}

void CPurgoxDlg::FillTypeCombo(int selected)
{
    m_comboTypes.ResetContent();
    for (const std::string& type : m_arrTypes)
        m_comboTypes.AddString(type);
    m_comboTypes.SetCurSel(selected);
    m_comboTypes.SetEditSel(0, -1);
}

void CPurgoxDlg::ReadTypeCombo()
{
    m_arrTypes = TypesToSave(m_arrTypes, m_comboTypes.GetCurSel());
}

void CPurgoxDlg::OnAddType()
{
    FillTypeCombo(AddType(m_arrTypes, m_comboTypes.GetText()));
    OnTypeSelChange();
}

void CPurgoxDlg::OnRemoveType()
{
    RemoveType(m_arrTypes, m_comboTypes.GetCurSel());
    FillTypeCombo(0);
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
