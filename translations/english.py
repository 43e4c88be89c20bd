#!/usr/bin/env python3
"""Fills translations/quillmark_en.ts with the English texts below.

Run after lupdate has added new source texts (cmake --build build --target
update_translations); a source text with no English here is reported and
left unfinished, so lrelease leaves it Russian.
"""
import pathlib
import sys
import xml.etree.ElementTree as ET

NOTE_RU = ("                        Примечание\n   1. Для создания содержания  \n"
           "необходимо наличие OCR (как минимум \nна страницах содержания)\n"
           "   2. Выравнивание содержания \nработает только для гиперссылок \n"
           "вида прямоугольник и овал\n   3. При выравнивании стиль границ \nостается как есть")
NOTE_EN = ("                        Note\n   1. Creating contents links  \n"
           "needs an OCR text layer (at least \non the contents pages)\n"
           "   2. Contents alignment works \nonly for hyperlinks shaped \n"
           "as rectangles and ovals\n   3. Alignment leaves the border \nstyle as it is")

ENGLISH = {
    NOTE_RU: NOTE_EN,
    'Гиперссылки содержания и указателя в DjVu книгах. Названные файлы DjVu добавляются в список вкладки "Создать".':
        'Contents and index hyperlinks in DjVu books. The DjVu files named are added to the list of the "Create" tab.',
    'файлы DjVu': 'DjVu files',
    '[ФАЙЛ...]': '[FILE...]',
    'DjVu файлы': 'DjVu files',
    'Файл %1 не найден': 'File %1 not found',
    'Не удалось открыть файл %1: нет программы для файлов DjVu или она не запускается':
        'Could not open the file %1: there is no application for DjVu files, or it does not start',
    'Другая копия Quillmark уже выполняет задание в папке %1': 'Another copy of Quillmark is running a job in the folder %1',
    'Не удалось создать файл блокировки %1': 'Could not create the lock file %1',
    'Путь': 'Path',
    'Файл': 'File',
    'Quillmark v. 0.73': 'Quillmark v. 0.73',
    'Редактировать': 'Edit',
    'Добавить': 'Add',
    'Исправить': 'Fix',
    'Закрыть по завершению': 'Close when done',
    'Очистить список по завершению': 'Clear the list when done',
    'Создавать резервную копию': 'Make a backup copy',
    'Создать': 'Create',
    'Страницы с': 'Pages from',
    'Страницы с ': 'Pages from ',
    'по': 'to',
    'Тип работы': 'Kind of work',
    'Содержание': 'Contents',
    'Алфавитный указатель 1': 'Alphabetic index 1',
    'Алфавитный указатель 2': 'Alphabetic index 2',
    'Смещение': 'Offset',
    'Плюс': 'Plus',
    'Минус': 'Minus',
    'Делить на 2': 'Divide by 2',
    'Прямоугольник': 'Rectangle',
    'Овал': 'Oval',
    'Тип границы': 'Border type',
    'Не показывать': 'Do not show',
    'По умолчанию': 'Default',
    'Простая граница': 'Plain border',
    'Прямая тень': 'Shadow in',
    'Обратная тень': 'Shadow out',
    'Прямая тень от гравировки': 'Etched shadow in',
    'Обратная тень от гравировки': 'Etched shadow out',
    'Ширина границы': 'Border width',
    'Всегда видно': 'Always visible',
    'Подсветка области': 'Highlight the area',
    'Выровнять содержание': 'Align the contents',
    'Спрашивать когда непонятно': 'Ask when unclear',
    'Удалять OCR': 'Remove the OCR text',
    'Удалить': 'Remove',
    'Открыть': 'Open',
    'Неверно заданы страницы': 'The pages are set wrongly',
    'Не файлы DjVu, не добавлены:': 'Not DjVu files, not added:',
    'Файл не выбран': 'No file selected',
    'Протокол': 'Log',
    'Протокол — файл %1 из %2': 'Log — file %1 of %2',
    'Внимание': 'Attention',
    'Предыдущая страница - ': 'Previous page - ',
    'Текущая страница - ': 'Current page - ',
    '%1, стр. %2': '%1, page %2',
    'Будем исправлять ?': 'Correct it?',
    'Да': 'Yes',
    'Нет': 'No',
    'Больше не показывать': 'Do not show again',
    'Редактировать установки': 'Edit settings',
    'Файл: ': 'File: ',
    'OK': 'OK',
    'Отмена': 'Cancel',
}


def main():
    path = pathlib.Path(__file__).with_name('quillmark_en.ts')
    tree = ET.parse(path)
    missing = []
    for message in tree.iter('message'):
        source = message.find('source').text or ''
        translation = message.find('translation')
        english = ENGLISH.get(source)
        if english is None:
            missing.append(source)
            translation.set('type', 'unfinished')
            continue
        translation.text = english
        translation.attrib.pop('type', None)
    tree.write(path, encoding='utf-8', xml_declaration=True)
    for source in missing:
        print('no English for: %r' % source, file=sys.stderr)
    return 1 if missing else 0


if __name__ == '__main__':
    sys.exit(main())
