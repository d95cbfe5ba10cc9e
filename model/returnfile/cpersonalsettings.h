#pragma once

class MyDataStream;

// The view state kept in a return file: whose selection was stored last and,
// per person, the navigation tree's selected category (0 form, 1 slip, 3 note,
// 99 the result page, -1 none) and item key.
class CPersonalSettings
{
public:
    CPersonalSettings() = default;
    virtual ~CPersonalSettings();

    // Stores isSpouse as the current person and the selection of that person.
    void setSelection(bool isSpouse, int category, int key);
    // The current person (0 self, 1 spouse) and its selection.
    void getCurrentSelection(int &person, int &category, int &key) const;
    void getSelection(bool isSpouse, int &category, int &key) const;

    // Writes or reads the block: its version (1), then the five ints. False when
    // the stream failed or the block is of another version; a failed read leaves
    // the settings as they were.
    bool serialize(MyDataStream &ar);

    bool operator==(const CPersonalSettings &o) const;
    bool operator!=(const CPersonalSettings &o) const { return !(*this == o); }

private:
    int m_currentPerson = 0;
    int m_selfCategory = 0;
    int m_spouseCategory = 0;
    int m_selfKey = 0;
    int m_spouseKey = 0;
};
