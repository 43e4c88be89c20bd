<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
<context>
    <name>CommandLine</name>
    <message>
        <source>Гиперссылки содержания и указателя в DjVu книгах. Названные файлы DjVu добавляются в список вкладки "Создать".</source>
        <translation>Contents and index hyperlinks in DjVu books. The DjVu files named are added to the list of the "Create" tab.</translation>
    </message>
    <message>
        <source>файлы DjVu</source>
        <translation>DjVu files</translation>
    </message>
    <message>
        <source>[ФАЙЛ...]</source>
        <translation>[FILE...]</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>DjVu файлы</source>
        <translation>DjVu files</translation>
    </message>
    <message>
        <source>Файл %1 не найден</source>
        <translation>File %1 not found</translation>
    </message>
    <message>
        <source>Не удалось открыть файл %1: нет программы для файлов DjVu или она не запускается</source>
        <translation>Could not open the file %1: there is no application for DjVu files, or it does not start</translation>
    </message>
</context>
<context>
    <name>JobLock</name>
    <message>
        <source>Другая копия Quillmark уже выполняет задание в папке %1</source>
        <translation>Another copy of Quillmark is running a job in the folder %1</translation>
    </message>
    <message>
        <source>Не удалось создать файл блокировки %1</source>
        <translation>Could not create the lock file %1</translation>
    </message>
</context>
<context>
    <name>ListRows</name>
    <message>
        <source>Путь</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Quillmark v. 0.73</source>
        <translation>Quillmark v. 0.73</translation>
    </message>
    <message>
        <source>Редактировать</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Исправить</source>
        <translation>Fix</translation>
    </message>
    <message>
        <source>Закрыть по завершению</source>
        <translation>Close when done</translation>
    </message>
    <message>
        <source>Очистить список по завершению</source>
        <translation>Clear the list when done</translation>
    </message>
    <message>
        <source>Создавать резервную копию</source>
        <translation>Make a backup copy</translation>
    </message>
    <message>
        <source>                        Примечание
   1. Для создания содержания  
необходимо наличие OCR (как минимум 
на страницах содержания)
   2. Выравнивание содержания 
работает только для гиперссылок 
вида прямоугольник и овал
   3. При выравнивании стиль границ 
остается как есть</source>
        <translation>                        Note
   1. Creating contents links  
needs an OCR text layer (at least 
on the contents pages)
   2. Contents alignment works 
only for hyperlinks shaped 
as rectangles and ovals
   3. Alignment leaves the border 
style as it is</translation>
    </message>
    <message>
        <source>Создать</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Страницы с</source>
        <translation>Pages from</translation>
    </message>
    <message>
        <source>по</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Тип работы</source>
        <translation>Kind of work</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Алфавитный указатель 1</source>
        <translation>Alphabetic index 1</translation>
    </message>
    <message>
        <source>Алфавитный указатель 2</source>
        <translation>Alphabetic index 2</translation>
    </message>
    <message>
        <source>Смещение</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Плюс</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Минус</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Делить на 2</source>
        <translation>Divide by 2</translation>
    </message>
    <message>
        <source>Прямоугольник</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Овал</source>
        <translation>Oval</translation>
    </message>
    <message>
        <source>Тип границы</source>
        <translation>Border type</translation>
    </message>
    <message>
        <source>Не показывать</source>
        <translation>Do not show</translation>
    </message>
    <message>
        <source>По умолчанию</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Простая граница</source>
        <translation>Plain border</translation>
    </message>
    <message>
        <source>Прямая тень</source>
        <translation>Shadow in</translation>
    </message>
    <message>
        <source>Обратная тень</source>
        <translation>Shadow out</translation>
    </message>
    <message>
        <source>Прямая тень от гравировки</source>
        <translation>Etched shadow in</translation>
    </message>
    <message>
        <source>Обратная тень от гравировки</source>
        <translation>Etched shadow out</translation>
    </message>
    <message>
        <source>Ширина границы</source>
        <translation>Border width</translation>
    </message>
    <message>
        <source>Всегда видно</source>
        <translation>Always visible</translation>
    </message>
    <message>
        <source>Подсветка области</source>
        <translation>Highlight the area</translation>
    </message>
    <message>
        <source>Выровнять содержание</source>
        <translation>Align the contents</translation>
    </message>
    <message>
        <source>Спрашивать когда непонятно</source>
        <translation>Ask when unclear</translation>
    </message>
    <message>
        <source>Удалять OCR</source>
        <translation>Remove the OCR text</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Неверно заданы страницы</source>
        <translation>The pages are set wrongly</translation>
    </message>
    <message>
        <source>Не файлы DjVu, не добавлены:</source>
        <translation>Not DjVu files, not added:</translation>
    </message>
    <message>
        <source>Файл не выбран</source>
        <translation>No file selected</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Протокол</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Протокол — файл %1 из %2</source>
        <translation>Log — file %1 of %2</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Внимание</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Предыдущая страница - </source>
        <translation>Previous page - </translation>
    </message>
    <message>
        <source>Текущая страница - </source>
        <translation>Current page - </translation>
    </message>
    <message>
        <source>Будем исправлять ?</source>
        <translation>Correct it?</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Больше не показывать</source>
        <translation>Do not show again</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Редактировать установки</source>
        <translation>Edit settings</translation>
    </message>
    <message>
        <source>Файл: </source>
        <translation>File: </translation>
    </message>
    <message>
        <source>Тип работы</source>
        <translation>Kind of work</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Алфавитный указатель 1</source>
        <translation>Alphabetic index 1</translation>
    </message>
    <message>
        <source>Алфавитный указатель 2</source>
        <translation>Alphabetic index 2</translation>
    </message>
    <message>
        <source>Страницы с </source>
        <translation>Pages from </translation>
    </message>
    <message>
        <source>по</source>
        <translation>to</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Смещение</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Плюс</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Минус</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Делить на 2</source>
        <translation>Divide by 2</translation>
    </message>
    <message>
        <source>Прямоугольник</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Овал</source>
        <translation>Oval</translation>
    </message>
    <message>
        <source>Тип границы</source>
        <translation>Border type</translation>
    </message>
    <message>
        <source>Не показывать</source>
        <translation>Do not show</translation>
    </message>
    <message>
        <source>По умолчанию</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Простая граница</source>
        <translation>Plain border</translation>
    </message>
    <message>
        <source>Прямая тень</source>
        <translation>Shadow in</translation>
    </message>
    <message>
        <source>Обратная тень</source>
        <translation>Shadow out</translation>
    </message>
    <message>
        <source>Прямая тень от гравировки</source>
        <translation>Etched shadow in</translation>
    </message>
    <message>
        <source>Обратная тень от гравировки</source>
        <translation>Etched shadow out</translation>
    </message>
    <message>
        <source>Ширина границы</source>
        <translation>Border width</translation>
    </message>
    <message>
        <source>Всегда видно</source>
        <translation>Always visible</translation>
    </message>
    <message>
        <source>Подсветка области</source>
        <translation>Highlight the area</translation>
    </message>
</context>
</TS>