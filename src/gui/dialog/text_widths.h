#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFont>
#include <QHash>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <map>
#include <utility>
#include <vector>

class FittingMemo;
struct MadeTexts;

// The widths of texts in a font, each measured once while a dialog is built:
// the rows of the list show the same texts, and shaping them is most of the
// cost of fitting the controls. With a memo, what a start measured is
// recalled at the next instead, under the print of the font's face
// (face_print.h) and the texts.
class TextWidths {
 public:
  explicit TextWidths(FittingMemo* memo = nullptr) : m_memo(memo) {}

  int Widest(const QFont& font, const QStringList& texts);
  // The widest of texts a function makes: recalled from the memo by their
  // name and what they are made from (FittingMemo::TextsSource), without
  // making them, where it holds it.
  int WidestMade(const QFont& font, const MadeTexts& made);
  // The texts a function makes, made once.
  const QStringList& Made(const MadeTexts& made);
  // What measure gives for texts in font, with the numbers it takes besides
  // (what, a name, and args tell it apart from any other measure).
  QSize Measured(const QFont& font, const char* what, std::initializer_list<int> args,
                 const QStringList& texts, const std::function<QSize()>& measure);

 private:
  // What measure gives, recalled from the memo under key where it holds it,
  // and kept there after measuring unless measure says not to keep it.
  QSize Memoized(const QByteArray& key, const std::function<QSize(bool& keep)>& measure);
  QByteArray MemoKey(const QFont& font, const char* what, std::initializer_list<int> args,
                     const QStringList& texts);
  QByteArray MadeKey(const QFont& font, const MadeTexts& made);
  QByteArray Key(const QFont& font, std::initializer_list<QByteArrayView> parts);
  const QByteArray& FaceDigest(const QFont& font);
  const QByteArray& TextsDigest(const QStringList& texts);

  FittingMemo* m_memo;
  QHash<QString, int> m_widths;  // by the font's key and the text
  // Each font measured and its face's digest (empty when it has none).
  std::vector<std::pair<QFont, QByteArray>> m_faces;
  // The digest of each list of texts, by the list's data and size: the rows
  // share their lists. The copy kept beside it keeps the data from being freed.
  QHash<std::pair<const QString*, qsizetype>, std::pair<QStringList, QByteArray>> m_texts;
  std::map<QStringList (*)(), QStringList> m_made;  // by the function that made them
};
