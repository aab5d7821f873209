#include "platform/Eintrag.h"

void Eintrag::Lade(const QVariant& gespeichert, const QString& text) {
  m_geladen = gespeichert;
  m_textGeladen = text;
  m_text = text;
  m_vorher = text;
  m_getippt = false;
  m_abgelehnt = false;
  m_offen = false;
}

void Eintrag::Zeige(const QString& text) {
  m_text = text;
  m_vorher = text;
  m_abgelehnt = false;
  m_offen = false;
}

void Eintrag::BeginneEingabe() {
  // A refused text kept for correction, or typing not judged yet, is not what the entry
  // held before: that stays.
  if (m_offen || (m_abgelehnt && m_politik == BeiAblehnung::TextBleibt)) return;
  m_vorher = m_text;
}

void Eintrag::Tippe(const QString& text) {
  if (text == m_text && !m_getippt) return;
  m_text = text;
  m_getippt = true;
  m_offen = true;
}

void Eintrag::Angenommen() {
  m_vorher = m_text;
  m_abgelehnt = false;
  m_offen = false;
}

const QString& Eintrag::Abgelehnt() {
  if (m_politik == BeiAblehnung::VorherigerText) m_text = m_vorher;
  m_abgelehnt = true;
  m_offen = false;
  return m_text;
}
