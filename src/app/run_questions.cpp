#include "app/run_questions.h"

#include <QCoreApplication>

#include "app/desktop.h"

namespace runquestions {

bool RemoveOcrConfirmed(Desktop& desktop, QWidget* parent, const QStringList& books) {
  const QString text = QCoreApplication::translate("RunQuestions",
                                                   "Скрытый текст (OCR) будет удалён из книг:\n%1\n\n"
                                                   "Без резервной копии его не вернуть. Продолжить?")
                           .arg(books.join(QLatin1Char('\n')));
  return desktop.Ask(parent, text,
                     {QCoreApplication::translate("RunQuestions", "Удалить текст"),
                      QCoreApplication::translate("RunQuestions", "Отмена")}) == 0;
}

std::optional<ExistingOutline> OutlineDecision(Desktop& desktop, QWidget* parent, const QStringList& books) {
  const QString text = QCoreApplication::translate("RunQuestions",
                                                   "В книгах уже есть закладки:\n%1\n\n"
                                                   "Заменить их закладками из содержания?")
                           .arg(books.join(QLatin1Char('\n')));
  switch (desktop.Ask(parent, text,
                      {QCoreApplication::translate("RunQuestions", "Заменить"),
                       QCoreApplication::translate("RunQuestions", "Оставить"),
                       QCoreApplication::translate("RunQuestions", "Отмена")})) {
    case 0: return ExistingOutline::Replace;
    case 1: return ExistingOutline::Keep;
    default: return std::nullopt;
  }
}

}  // namespace runquestions
