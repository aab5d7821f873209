// A control array: controls of one kind addressed by index as the windows number them
// (holes 1-18; 19, 20 and 21 hold the sums of holes 1-9, 10-18 and all holes).
#pragma once

#include <QString>
#include <map>

template <class T>
class Steuerfeld {
 public:
  void Setze(int index, T* control) { m_elemente[index] = control; }
  T* operator[](int index) const {
    auto it = m_elemente.find(index);
    return it == m_elemente.end() ? nullptr : it->second;
  }
  T* operator()(int index) const { return (*this)[index]; }
  bool Hat(int index) const { return m_elemente.count(index) != 0; }
  int Anzahl() const { return int(m_elemente.size()); }
  int Untergrenze() const { return m_elemente.empty() ? 0 : m_elemente.begin()->first; }
  int Obergrenze() const { return m_elemente.empty() ? -1 : m_elemente.rbegin()->first; }
  auto begin() const { return m_elemente.begin(); }
  auto end() const { return m_elemente.end(); }

 private:
  std::map<int, T*> m_elemente;
};
