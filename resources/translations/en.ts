<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>QObject</name>
    <message>
        <source>Ожидание применения...</source>
        <translation>Waiting to apply...</translation>
    </message>
    <message>
        <source>Для изменения остановите двигатель!</source>
        <translation>Stop the motor to change this!</translation>
    </message>
    <message>
        <source>Неизвестная ошибка</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>Инвертор остановлен по изменению важного параметра</source>
        <translation>Inverter stopped: key parameter changed</translation>
    </message>
    <message>
        <source>Инвертор остановлен по команде извне</source>
        <translation>Inverter stopped by external command</translation>
    </message>
    <message>
        <source>Остановлен по причине FAULT</source>
        <translation>Stopped on FAULT</translation>
    </message>
    <message>
        <source>Токоограничение</source>
        <translation>Current limit</translation>
    </message>
    <message>
        <source>Недостаточно напряжения</source>
        <translation>Insufficient voltage</translation>
    </message>
    <message>
        <source>Остановлен аварийно</source>
        <translation>Emergency stop</translation>
    </message>
    <message>
        <source>Низкое напряжение шины</source>
        <translation>Low DC bus voltage</translation>
    </message>
    <message>
        <source>Высокое напряжение шины</source>
        <translation>High DC bus voltage</translation>
    </message>
    <message>
        <source>Защита выпрямителя</source>
        <translation>Rectifier protection</translation>
    </message>
    <message>
        <source>Нет заряда шины</source>
        <translation>DC bus not charged</translation>
    </message>
    <message>
        <source>Перегруз инвертора</source>
        <translation>Inverter overload</translation>
    </message>
    <message>
        <source>Ошибка автонастройки при старте</source>
        <translation>Auto-tuning error at start</translation>
    </message>
    <message>
        <source>Превышение порога мгновенного токоограничения</source>
        <translation>Instant current limit exceeded</translation>
    </message>
    <message>
        <source>Ошибка чтения ФЛЕШ</source>
        <translation>Flash read error</translation>
    </message>
    <message>
        <source>Ошибка записи ФЛЕШ</source>
        <translation>Flash write error</translation>
    </message>
    <message>
        <source>Ошибка режима разряда шины</source>
        <translation>DC bus discharge mode error</translation>
    </message>
    <message>
        <source>Ошибка векторного режима</source>
        <translation>Vector mode error</translation>
    </message>
    <message>
        <source>Предел тока двигателя</source>
        <translation>Motor current limit</translation>
    </message>
    <message>
        <source>Перегруз двигателя</source>
        <translation>Motor overload</translation>
    </message>
    <message>
        <source>Длительное токоограничение</source>
        <translation>Prolonged current limit</translation>
    </message>
    <message>
        <source>Ошибка диапазона уставок ФЛЕШ</source>
        <translation>Flash setpoint range error</translation>
    </message>
    <message>
        <source>Ошибка синхронизации с сетью</source>
        <translation>Grid synchronization error</translation>
    </message>
    <message>
        <source>Ошибка по КЗ на инверторе</source>
        <translation>Inverter short circuit</translation>
    </message>
    <message>
        <source>Предел тока инвертора</source>
        <translation>Inverter current limit</translation>
    </message>
    <message>
        <source>Ток утечки инвертора</source>
        <translation>Inverter leakage current</translation>
    </message>
    <message>
        <source>Защита параллельных ветвей инвертора</source>
        <translation>Inverter parallel branch protection</translation>
    </message>
    <message>
        <source>Ошибка монитора питания контроллера</source>
        <translation>Controller power monitor error</translation>
    </message>
    <message>
        <source>Ошибка монитора питания часов контроллера</source>
        <translation>Controller clock power monitor error</translation>
    </message>
    <message>
        <source>Ошибка монитора платы измерений</source>
        <translation>Measurement board monitor error</translation>
    </message>
    <message>
        <source>Защита драйвера 0</source>
        <translation>Driver 0 protection</translation>
    </message>
    <message>
        <source>Защита драйвера 1</source>
        <translation>Driver 1 protection</translation>
    </message>
    <message>
        <source>Защита драйвера 2</source>
        <translation>Driver 2 protection</translation>
    </message>
    <message>
        <source>Включен тестовый режим контроллера ПЧ</source>
        <translation>VFD controller test mode on</translation>
    </message>
    <message>
        <source>Ошибка связи с термодатчиками</source>
        <translation>Temperature sensor link error</translation>
    </message>
    <message>
        <source>Тепловая защита радиаторов</source>
        <translation>Heatsink thermal protection</translation>
    </message>
    <message>
        <source>Тепловая защита по воздуху</source>
        <translation>Air thermal protection</translation>
    </message>
    <message>
        <source>Аварийная кнопка</source>
        <translation>Emergency button</translation>
    </message>
    <message>
        <source>Тепловая защита тиристоров</source>
        <translation>Thyristor thermal protection</translation>
    </message>
    <message>
        <source>Перегрев выходного фильтра</source>
        <translation>Output filter overheat</translation>
    </message>
    <message>
        <source>Проверка тормоза A28</source>
        <translation>Brake check A28</translation>
    </message>
    <message>
        <source>Температура радиатора A29</source>
        <translation>Heatsink temperature A29</translation>
    </message>
    <message>
        <source>Пробой на землю A14</source>
        <translation>Earth fault A14</translation>
    </message>
    <message>
        <source>Темп. платы управления А65</source>
        <translation>Control card temp. A65</translation>
    </message>
    <message>
        <source>Упр. слово ТО А17</source>
        <translation>Control word timeout A17</translation>
    </message>
    <message>
        <source>Превыш тока А13</source>
        <translation>Overcurrent A13</translation>
    </message>
    <message>
        <source>Предел момента A12</source>
        <translation>Torque limit A12</translation>
    </message>
    <message>
        <source>Перегрев термист. двигателя А11</source>
        <translation>Motor thermistor overtemp. A11</translation>
    </message>
    <message>
        <source>Превышение ETR двигателя А10</source>
        <translation>Motor ETR overtemp. A10</translation>
    </message>
    <message>
        <source>Перегрузка инвертера</source>
        <translation>Inverter overload</translation>
    </message>
    <message>
        <source>Пониж. напряжение пост. тока А8</source>
        <translation>DC undervoltage A8</translation>
    </message>
    <message>
        <source>Повыш. напряжение пост. тока А7</source>
        <translation>DC overvoltage A7</translation>
    </message>
    <message>
        <source>Короткое замыкание А16</source>
        <translation>Short circuit A16</translation>
    </message>
    <message>
        <source>Отказ из-за броска тока А33</source>
        <translation>Inrush fault A33</translation>
    </message>
    <message>
        <source>Обрыв фазы питания А4</source>
        <translation>Mains phase loss A4</translation>
    </message>
    <message>
        <source>Сбой ААД</source>
        <translation>AMA failure</translation>
    </message>
    <message>
        <source>Ошибка действующего нуля А2</source>
        <translation>Live zero error A2</translation>
    </message>
    <message>
        <source>Внутренний отказ А38</source>
        <translation>Internal fault A38</translation>
    </message>
    <message>
        <source>Перегрузка тормоза А26</source>
        <translation>Brake overload A26</translation>
    </message>
    <message>
        <source>Обрыв фазы U A30</source>
        <translation>Motor phase U missing A30</translation>
    </message>
    <message>
        <source>Обрыв фазы V A31</source>
        <translation>Motor phase V missing A31</translation>
    </message>
    <message>
        <source>Обрыв фазы W A32</source>
        <translation>Motor phase W missing A32</translation>
    </message>
    <message>
        <source>Отказ Fieldbus А34</source>
        <translation>Fieldbus fault A34</translation>
    </message>
    <message>
        <source>Низкое напряжение питания 24В А47</source>
        <translation>24 V supply low A47</translation>
    </message>
    <message>
        <source>Отказ питания А36</source>
        <translation>Mains failure A36</translation>
    </message>
    <message>
        <source>Низкое напряжение питания 1,8В А48</source>
        <translation>1.8 V supply low A48</translation>
    </message>
    <message>
        <source>Тормозной резистор А25</source>
        <translation>Brake resistor A25</translation>
    </message>
    <message>
        <source>Тормозной IGBT А27</source>
        <translation>Brake IGBT A27</translation>
    </message>
    <message>
        <source>Смена доп.устройства А67</source>
        <translation>Option change A67</translation>
    </message>
    <message>
        <source>Провод иниц. А80</source>
        <translation>Drive initialized A80</translation>
    </message>
    <message>
        <source>Мала эффективность механич. тормоза А63</source>
        <translation>Mechanical brake low A63</translation>
    </message>
    <message>
        <source>Сервисная защита</source>
        <translation>Service trip</translation>
    </message>
    <message>
        <source>Высокая температура разряда</source>
        <translation>High discharge temperature</translation>
    </message>
    <message>
        <source>Ошибка пуска</source>
        <translation>Start failed</translation>
    </message>
    <message>
        <source>Предел скорости</source>
        <translation>Speed limit</translation>
    </message>
    <message>
        <source>Внешняя блокировка</source>
        <translation>External interlock</translation>
    </message>
    <message>
        <source>Недопустимое сочетание дополнительных устройств</source>
        <translation>Illegal option combination</translation>
    </message>
    <message>
        <source>Дополнительное защитное устройство отсутствует</source>
        <translation>No safety option</translation>
    </message>
    <message>
        <source>Ошибка KTY</source>
        <translation>KTY error</translation>
    </message>
    <message>
        <source>Ошибка вентиляторов</source>
        <translation>Fans error</translation>
    </message>
    <message>
        <source>Ошибка ECB</source>
        <translation>ECB error</translation>
    </message>
    <message>
        <source>Предел по току А59</source>
        <translation>Current limit A59</translation>
    </message>
    <message>
        <source>Отказ энкодера A90</source>
        <translation>Encoder loss A90</translation>
    </message>
    <message>
        <source>Термистор PTC А74</source>
        <translation>PTC thermistor A74</translation>
    </message>
    <message>
        <source>Опасный отказ</source>
        <translation>Dangerous failure</translation>
    </message>
    <message>
        <source>Нажмите Auto On</source>
        <translation>Press Auto On</translation>
    </message>
    <message>
        <source>Ошибка слежения</source>
        <translation>Tracking error</translation>
    </message>
    <message>
        <source>Недогруз</source>
        <translation>Underload</translation>
    </message>
    <message>
        <source>Рассинхронизация ВД</source>
        <translation>PM motor loss of sync</translation>
    </message>
    <message>
        <source>Низкое Rиз</source>
        <translation>Low Rins</translation>
    </message>
    <message>
        <source>Низкое напряжение</source>
        <translation>Low voltage</translation>
    </message>
    <message>
        <source>Высокое напряжение</source>
        <translation>High voltage</translation>
    </message>
    <message>
        <source>Высокое U сил. Цепи</source>
        <translation>High power circuit U</translation>
    </message>
    <message>
        <source>Низкое U сил. цепи</source>
        <translation>Low power circuit U</translation>
    </message>
    <message>
        <source>Потеря связи с ВРХ</source>
        <translation>Controller link lost</translation>
    </message>
    <message>
        <source>Перегрев IGBT</source>
        <translation>IGBT overheat</translation>
    </message>
    <message>
        <source>Перегрев фильтра</source>
        <translation>Filter overheat</translation>
    </message>
    <message>
        <source>Защита ЧРП</source>
        <translation>VFD protection</translation>
    </message>
    <message>
        <source>Питание драйверов</source>
        <translation>Driver supply</translation>
    </message>
    <message>
        <source>Конт манометр</source>
        <translation>Contact gauge</translation>
    </message>
    <message>
        <source>Доп. аналог вход 0</source>
        <translation>Extra analog input 0</translation>
    </message>
    <message>
        <source>Чередование фаз</source>
        <translation>Phase sequence</translation>
    </message>
    <message>
        <source>Выс. Температура</source>
        <translation>High temperature</translation>
    </message>
    <message>
        <source>Выс. Вибрация</source>
        <translation>High vibration</translation>
    </message>
    <message>
        <source>Низ. Давление</source>
        <translation>Low pressure</translation>
    </message>
    <message>
        <source>Авария контактора вых. ЧР</source>
        <translation>VFD output contactor fault</translation>
    </message>
    <message>
        <source>Авария контактора Пр.пуска</source>
        <translation>DOL contactor fault</translation>
    </message>
    <message>
        <source>Дисбаланс токов</source>
        <translation>Current imbalance</translation>
    </message>
    <message>
        <source>Дисбаланс напряж.</source>
        <translation>Voltage imbalance</translation>
    </message>
    <message>
        <source>Турбинное вращение</source>
        <translation>Turbine rotation</translation>
    </message>
    <message>
        <source>Прочие ошибки 24</source>
        <translation>Other errors 24</translation>
    </message>
    <message>
        <source>Авария питания</source>
        <translation>Power supply fault</translation>
    </message>
    <message>
        <source>Открыта дверь</source>
        <translation>Door open</translation>
    </message>
    <message>
        <source>Пропало питание</source>
        <translation>Power lost</translation>
    </message>
    <message>
        <source>Нет заряда конденс.</source>
        <translation>Capacitors not charged</translation>
    </message>
    <message>
        <source>Авария тиристоров</source>
        <translation>Thyristor fault</translation>
    </message>
    <message>
        <source>Автомат фильтра</source>
        <translation>Filter breaker</translation>
    </message>
    <message>
        <source>По подхвату</source>
        <translation>On flying start</translation>
    </message>
    <message>
        <source>Авто останов</source>
        <translation>Auto stop</translation>
    </message>
    <message>
        <source>Ручной останов</source>
        <translation>Manual stop</translation>
    </message>
    <message>
        <source>Внешний останов</source>
        <translation>External stop</translation>
    </message>
    <message>
        <source>Автоматич. пуск</source>
        <translation>Auto start</translation>
    </message>
    <message>
        <source>Ручной пуск</source>
        <translation>Manual start</translation>
    </message>
    <message>
        <source>Внешний пуск</source>
        <translation>External start</translation>
    </message>
    <message>
        <source>По количеству АПВ</source>
        <translation>Auto-restart count</translation>
    </message>
    <message>
        <source>Ошибка ОЗУ</source>
        <translation>RAM error</translation>
    </message>
    <message>
        <source>Отключен</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Отказ дискр. вх.</source>
        <translation>Digital input failure</translation>
    </message>
    <message>
        <source>Отказ АЦП</source>
        <translation>ADC failure</translation>
    </message>
    <message>
        <source>Аналог. Питание</source>
        <translation>Analog supply</translation>
    </message>
    <message>
        <source>Питание датчиков</source>
        <translation>Sensor supply</translation>
    </message>
    <message>
        <source>Ошибка EEPROM</source>
        <translation>EEPROM error</translation>
    </message>
    <message>
        <source>ПЧ не готов</source>
        <translation>VFD not ready</translation>
    </message>
    <message>
        <source>Сбой уставок</source>
        <translation>Setpoint failure</translation>
    </message>
    <message>
        <source>Блокировка пуска</source>
        <translation>Start inhibit</translation>
    </message>
    <message>
        <source>Силовой предохранитель</source>
        <translation>Power fuse</translation>
    </message>
    <message>
        <source>Отключен силовой автомат</source>
        <translation>Power breaker tripped</translation>
    </message>
    <message>
        <source>Дисбаланс токов выпрямителей</source>
        <translation>Rectifier current imbalance</translation>
    </message>
    <message>
        <source>Перегрев трансформатора питания вентиляторов</source>
        <translation>Fan supply transformer overheat</translation>
    </message>
    <message>
        <source>Авария питания вентиляторов</source>
        <translation>Fan supply fault</translation>
    </message>
    <message>
        <source>Ошибка часов контроллера</source>
        <translation>Controller clock error</translation>
    </message>
    <message>
        <source>Тестовый режим</source>
        <translation>Test mode</translation>
    </message>
    <message>
        <source>Проверка тормоза W28</source>
        <translation>Brake check W28</translation>
    </message>
    <message>
        <source>Температура радиатора W29</source>
        <translation>Heatsink temperature W29</translation>
    </message>
    <message>
        <source>Пробой на землю W14</source>
        <translation>Earth fault W14</translation>
    </message>
    <message>
        <source>Темп. платы управления W65</source>
        <translation>Control card temp. W65</translation>
    </message>
    <message>
        <source>Упр. слово ТО W17</source>
        <translation>Control word timeout W17</translation>
    </message>
    <message>
        <source>Превыш тока W13</source>
        <translation>Overcurrent W13</translation>
    </message>
    <message>
        <source>Предел момента W12</source>
        <translation>Torque limit W12</translation>
    </message>
    <message>
        <source>Перегрев термист. двигателя W11</source>
        <translation>Motor thermistor overtemp. W11</translation>
    </message>
    <message>
        <source>Превышение ETR двигателя W10</source>
        <translation>Motor ETR overtemp. W10</translation>
    </message>
    <message>
        <source>Пониж. напряжение пост. тока W8</source>
        <translation>DC undervoltage W8</translation>
    </message>
    <message>
        <source>Повыш. напряжение пост. тока W7</source>
        <translation>DC overvoltage W7</translation>
    </message>
    <message>
        <source>Пониж. напряжение пост. тока W6</source>
        <translation>DC voltage low W6</translation>
    </message>
    <message>
        <source>Повыш. напряжение пост. тока W5</source>
        <translation>DC voltage high W5</translation>
    </message>
    <message>
        <source>Обрыв фазы питания W4</source>
        <translation>Mains phase loss W4</translation>
    </message>
    <message>
        <source>Нет двигателя W3</source>
        <translation>No motor W3</translation>
    </message>
    <message>
        <source>Ошибка действующего нуля W2</source>
        <translation>Live zero error W2</translation>
    </message>
    <message>
        <source>Низкое напряжение источника 10В W1</source>
        <translation>10 V supply low W1</translation>
    </message>
    <message>
        <source>Перегрузка тормоза W26</source>
        <translation>Brake overload W26</translation>
    </message>
    <message>
        <source>Тормозной резистор W25</source>
        <translation>Brake resistor W25</translation>
    </message>
    <message>
        <source>Тормозной IGBT W27</source>
        <translation>Brake IGBT W27</translation>
    </message>
    <message>
        <source>Предел скорости W49</source>
        <translation>Speed limit W49</translation>
    </message>
    <message>
        <source>Отказ Fieldbus W34</source>
        <translation>Fieldbus fault W34</translation>
    </message>
    <message>
        <source>Низкое напряжение питания 24В W47</source>
        <translation>24 V supply low W47</translation>
    </message>
    <message>
        <source>Отказ питания W36</source>
        <translation>Mains failure W36</translation>
    </message>
    <message>
        <source>Предел по току W59</source>
        <translation>Current limit W59</translation>
    </message>
    <message>
        <source>Низкая температура W66</source>
        <translation>Low temperature W66</translation>
    </message>
    <message>
        <source>Предел по напряжению W64</source>
        <translation>Voltage limit W64</translation>
    </message>
    <message>
        <source>Отказ энкодера W90</source>
        <translation>Encoder loss W90</translation>
    </message>
    <message>
        <source>Пр вых. част W62</source>
        <translation>Output freq. limit W62</translation>
    </message>
    <message>
        <source>Безоп. останов W68</source>
        <translation>Safe stop W68</translation>
    </message>
    <message>
        <source>Расширенное слово состояния</source>
        <translation>Extended status word</translation>
    </message>
    <message>
        <source>Снижение частоты</source>
        <translation>Frequency reduction</translation>
    </message>
    <message>
        <source>Не подключен USB накопитель!</source>
        <translation>No USB drive connected!</translation>
    </message>
    <message>
        <source>Ошибка записи файла!</source>
        <translation>File write error!</translation>
    </message>
    <message>
        <source>Ошибка закрытия файла!</source>
        <translation>File close error!</translation>
    </message>
    <message>
        <source>Ошибка создания каталога!</source>
        <translation>Directory create error!</translation>
    </message>
    <message>
        <source>Ошибка открытия файла!</source>
        <translation>File open error!</translation>
    </message>
    <message>
        <source>Ошибка открытия каталога!</source>
        <translation>Directory open error!</translation>
    </message>
    <message>
        <source>Файл прошивки не найден!</source>
        <translation>Firmware file not found!</translation>
    </message>
    <message>
        <source>Ошибка CRC файла прошивки!</source>
        <translation>Firmware file CRC error!</translation>
    </message>
    <message>
        <source>Ошибка в заголовке файла прошивки!</source>
        <translation>Firmware file header error!</translation>
    </message>
    <message>
        <source>Ошибка сохранения файла прошивки GUI!</source>
        <translation>Error saving GUI firmware file!</translation>
    </message>
    <message>
        <source>Тайм-аут сохранения файла прошивки GUI!</source>
        <translation>Timeout saving GUI firmware file!</translation>
    </message>
    <message>
        <source>Ошибка инициализации архиватора MiniLZO!</source>
        <translation>MiniLZO archiver init error!</translation>
    </message>
    <message>
        <source>Ошибка архиватора MiniLZO!</source>
        <translation>MiniLZO archiver error!</translation>
    </message>
    <message>
        <source>Ошибка конфигурирования ЧРП!</source>
        <translation>VFD configuration error!</translation>
    </message>
    <message>
        <source>Напряжение отпайки не соответсвует рекомендуемой
 Проверьте параметры</source>
        <translation>Tap voltage differs from recommended
 Check the parameters</translation>
    </message>
    <message>
        <source>Файл конфигурации не найден</source>
        <translation>Configuration file not found</translation>
    </message>
    <message>
        <source>Найдено несколько файлов конфигурации!
Должен быть только один файл</source>
        <translation>Several configuration files found!
There must be only one</translation>
    </message>
    <message>
        <source>Ошибка в заголовке файла конфигурации</source>
        <translation>Configuration file header error</translation>
    </message>
    <message>
        <source>Ошибка CRC файла конфигурации</source>
        <translation>Configuration file CRC error</translation>
    </message>
    <message>
        <source>Ошибка сжатия архива</source>
        <translation>Log compression error</translation>
    </message>
    <message>
        <source>Превышена предельная пусковая частота! 
Снизьте пусковой момент</source>
        <translation>Maximum starting frequency exceeded! 
Reduce the starting torque</translation>
    </message>
    <message>
        <source>Ошибка включения спецалгоримтов
 Проверьте дату запуска УЭЦН</source>
        <translation>Special algorithms failed to start
 Check the ESP start date</translation>
    </message>
    <message>
        <source>Снижение сопротивления изоляции
 Спецалгоритмы выключены</source>
        <translation>Insulation resistance dropped
 Special algorithms off</translation>
    </message>
    <message>
        <source>Ошибка расчета рекомендуемой отпайки
 Проверьте параметры</source>
        <translation>Recommended tap calculation error
 Check the parameters</translation>
    </message>
    <message>
        <source>Проведите автонастройку</source>
        <translation>Run auto-tuning</translation>
    </message>
    <message>
        <source>Рекомендованное напряжение отпайки пересчитано
 Проверьте напряжение отпайки</source>
        <translation>Recommended tap voltage recalculated
 Check the tap voltage</translation>
    </message>
    <message>
        <source>Ошибка!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Спец РН подхват</source>
        <translation>RN special flying start</translation>
    </message>
    <message>
        <source>Спец РН плавный</source>
        <translation>RN special ramp</translation>
    </message>
    <message>
        <source>Спец РН толчки</source>
        <translation>RN special pulses</translation>
    </message>
    <message>
        <source>Спец РН раскачка</source>
        <translation>RN special rocking</translation>
    </message>
    <message>
        <source>Спец РН</source>
        <translation>RN special</translation>
    </message>
    <message>
        <source>Откл</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Вкл</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Блок</source>
        <translation>Lockout</translation>
    </message>
    <message>
        <source>АПВ</source>
        <translation>Auto-restart</translation>
    </message>
    <message>
        <source>Однократно</source>
        <translation>Once</translation>
    </message>
    <message>
        <source>Постоянно</source>
        <translation>Always</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Авария</source>
        <translation>Fault</translation>
    </message>
    <message>
        <source>ТОРМОЖЕНИЕ</source>
        <translation>BRAKING</translation>
    </message>
    <message>
        <source>ЗАПУСК</source>
        <translation>STARTING</translation>
    </message>
    <message>
        <source>РАБОТА</source>
        <translation>RUNNING</translation>
    </message>
    <message>
        <source>ЗАДЕРЖКА СРАБАТЫВАНИЯ</source>
        <translation>TRIP DELAY</translation>
    </message>
    <message>
        <source>ОЖИДАНИЕ АПВ</source>
        <translation>AUTO-RESTART WAIT</translation>
    </message>
    <message>
        <source>БЛОКИРОВКА</source>
        <translation>LOCKOUT</translation>
    </message>
    <message>
        <source>СТОП</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Потеряна</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>Восстановлена</source>
        <translation>Restored</translation>
    </message>
    <message>
        <source>Плавный</source>
        <translation>Ramp</translation>
    </message>
    <message>
        <source>Толчковый</source>
        <translation>Pulse</translation>
    </message>
    <message>
        <source>Раскачкой</source>
        <translation>Rocking</translation>
    </message>
    <message>
        <source>С синхронизацией</source>
        <translation>Synchronized</translation>
    </message>
    <message>
        <source>Подхват</source>
        <translation>Flying start</translation>
    </message>
    <message>
        <source>Пропуск F</source>
        <translation>Skip F</translation>
    </message>
    <message>
        <source>Автоадаптация</source>
        <translation>Auto-adaptation</translation>
    </message>
    <message>
        <source>Прямой пуск</source>
        <translation>Direct start</translation>
    </message>
    <message>
        <source>&quot;Мягкий&quot; пуск</source>
        <translation>&quot;Soft&quot; start</translation>
    </message>
    <message>
        <source>C увел. моментом</source>
        <translation>High torque</translation>
    </message>
    <message>
        <source>Автонастройка</source>
        <translation>Auto-tuning</translation>
    </message>
    <message>
        <source>Спецалгоритмы РН</source>
        <translation>RN special algs</translation>
    </message>
    <message>
        <source>Неизвестный тип пуска</source>
        <translation>Unknown start type</translation>
    </message>
    <message>
        <source>Асинхронный</source>
        <translation>Induction</translation>
    </message>
    <message>
        <source>Вентильный</source>
        <translation>PM motor</translation>
    </message>
    <message>
        <source>Неизвестный</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Прямое</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Обратное</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Векторное</source>
        <translation>Vector</translation>
    </message>
    <message>
        <source>Угол</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Мин.ток</source>
        <translation>Min. current</translation>
    </message>
    <message>
        <source>Выбегом</source>
        <translation>Coast</translation>
    </message>
    <message>
        <source>Линейная</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Квадратичная</source>
        <translation>Quadratic</translation>
    </message>
    <message>
        <source>Обр. квадр.</source>
        <translation>Inv. quadr.</translation>
    </message>
    <message>
        <source>По точкам</source>
        <translation>By points</translation>
    </message>
    <message>
        <source>3000 Об/мин</source>
        <translation>3000 rpm</translation>
    </message>
    <message>
        <source>ВДМ</source>
        <translation>VDM</translation>
    </message>
    <message>
        <source>ВВД</source>
        <translation>VVD</translation>
    </message>
    <message>
        <source>500 Об/мин</source>
        <translation>500 rpm</translation>
    </message>
    <message>
        <source>1000 Об/мин</source>
        <translation>1000 rpm</translation>
    </message>
    <message>
        <source>3600 Об/мин</source>
        <translation>3600 rpm</translation>
    </message>
    <message>
        <source>6000 Об/мин</source>
        <translation>6000 rpm</translation>
    </message>
    <message>
        <source>8500 Об/мин</source>
        <translation>8500 rpm</translation>
    </message>
    <message>
        <source>12000 Об/мин</source>
        <translation>12000 rpm</translation>
    </message>
    <message>
        <source>Инд. сопр. фазы</source>
        <translation>Phase reactance</translation>
    </message>
    <message>
        <source>Инд. по осям</source>
        <translation>d/q inductance</translation>
    </message>
    <message>
        <source>Индуктивность</source>
        <translation>Inductance</translation>
    </message>
    <message>
        <source>Суммарная</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Раздельная</source>
        <translation>Separate</translation>
    </message>
    <message>
        <source>Алюминий</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>Медь</source>
        <translation>Copper</translation>
    </message>
    <message>
        <source>ВРХ</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Счётчик</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>ЧРП</source>
        <translation>VFD</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Авто</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>ТМС</source>
        <translation>DHS</translation>
    </message>
    <message>
        <source>УКИ</source>
        <translation>IMD</translation>
    </message>
    <message>
        <source>Обмотка</source>
        <translation>Winding</translation>
    </message>
    <message>
        <source>Масло</source>
        <translation>Oil</translation>
    </message>
    <message>
        <source>Фазное</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Линейное</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>На входе</source>
        <translation>At input</translation>
    </message>
    <message>
        <source>На выходе</source>
        <translation>At output</translation>
    </message>
    <message>
        <source>1,0 кГц</source>
        <translation>1.0 kHz</translation>
    </message>
    <message>
        <source>1,5 кГц</source>
        <translation>1.5 kHz</translation>
    </message>
    <message>
        <source>2,0 кГц</source>
        <translation>2.0 kHz</translation>
    </message>
    <message>
        <source>2,5 кГц</source>
        <translation>2.5 kHz</translation>
    </message>
    <message>
        <source>3,0 кГц</source>
        <translation>3.0 kHz</translation>
    </message>
    <message>
        <source>3,5 кГц</source>
        <translation>3.5 kHz</translation>
    </message>
    <message>
        <source>4,0 кГц</source>
        <translation>4.0 kHz</translation>
    </message>
    <message>
        <source>5,0 кГц</source>
        <translation>5.0 kHz</translation>
    </message>
    <message>
        <source>6,0 кГц</source>
        <translation>6.0 kHz</translation>
    </message>
    <message>
        <source>7,0 кГц</source>
        <translation>7.0 kHz</translation>
    </message>
    <message>
        <source>8,0 кГц</source>
        <translation>8.0 kHz</translation>
    </message>
    <message>
        <source>9,0 кГц</source>
        <translation>9.0 kHz</translation>
    </message>
    <message>
        <source>12,0 кГц</source>
        <translation>12.0 kHz</translation>
    </message>
    <message>
        <source>14,0 кГц</source>
        <translation>14.0 kHz</translation>
    </message>
    <message>
        <source>16,0 кГц</source>
        <translation>16.0 kHz</translation>
    </message>
    <message>
        <source>Основной</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Резервный</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Откл. пит.</source>
        <translation>Power off</translation>
    </message>
    <message>
        <source>Тарвеск</source>
        <translation>Tarvesk</translation>
    </message>
    <message>
        <source>Riduri</source>
        <translation>Riduri</translation>
    </message>
    <message>
        <source>СЭТ-4ТМ03</source>
        <translation>SET-4TM03</translation>
    </message>
    <message>
        <source>ABB</source>
        <translation>ABB</translation>
    </message>
    <message>
        <source>ABB A44</source>
        <translation>ABB A44</translation>
    </message>
    <message>
        <source>ГРАН СС-301-5.1</source>
        <translation>GRAN SS-301-5.1</translation>
    </message>
    <message>
        <source>Алмаз</source>
        <translation>Almaz</translation>
    </message>
    <message>
        <source>Борец СПТ</source>
        <translation>Borets SPT</translation>
    </message>
    <message>
        <source>Электон ТМСН</source>
        <translation>Elekton TMSN</translation>
    </message>
    <message>
        <source>ИРЗ</source>
        <translation>IRZ</translation>
    </message>
    <message>
        <source>Орион</source>
        <translation>Orion</translation>
    </message>
    <message>
        <source>Скад</source>
        <translation>Skad</translation>
    </message>
    <message>
        <source>Скан</source>
        <translation>Skan</translation>
    </message>
    <message>
        <source>Триол</source>
        <translation>Triol</translation>
    </message>
    <message>
        <source>СНГ</source>
        <translation>SNG</translation>
    </message>
    <message>
        <source>VOROZO</source>
        <translation>VOROZO</translation>
    </message>
    <message>
        <source>Регион 3.0</source>
        <translation>Region 3.0</translation>
    </message>
    <message>
        <source>Регион 2000</source>
        <translation>Region 2000</translation>
    </message>
    <message>
        <source>ЮНГ-Универсал</source>
        <translation>YuNG-Universal</translation>
    </message>
    <message>
        <source>VOROZO-ЗС</source>
        <translation>VOROZO-ZS</translation>
    </message>
    <message>
        <source>Каракудукмунай</source>
        <translation>Karakudukmunay</translation>
    </message>
    <message>
        <source>Сургутнефтегаз</source>
        <translation>Surgutneftegas</translation>
    </message>
    <message>
        <source>ZA-ZER</source>
        <translation>ZA-ZER</translation>
    </message>
    <message>
        <source>Газпром-Хантос</source>
        <translation>Gazprom-Khantos</translation>
    </message>
    <message>
        <source>Универсал 3</source>
        <translation>Universal 3</translation>
    </message>
    <message>
        <source>По умолчанию</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Verodedo</source>
        <translation>Verodedo</translation>
    </message>
    <message>
        <source>BP</source>
        <translation>BP</translation>
    </message>
    <message>
        <source>Vuvarururerave</source>
        <translation>Vuvarururerave</translation>
    </message>
    <message>
        <source>Отображение запроса</source>
        <translation>Show prompt</translation>
    </message>
    <message>
        <source>Копирование архивов</source>
        <translation>Copy logs</translation>
    </message>
    <message>
        <source>Карусель</source>
        <translation>Carousel</translation>
    </message>
    <message>
        <source>Основное</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Единственное</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>Профиль 1</source>
        <translation>Profile 1</translation>
    </message>
    <message>
        <source>Профиль 2</source>
        <translation>Profile 2</translation>
    </message>
    <message>
        <source>Профиль 3</source>
        <translation>Profile 3</translation>
    </message>
    <message>
        <source>Профиль 4</source>
        <translation>Profile 4</translation>
    </message>
    <message>
        <source>Профиль 5</source>
        <translation>Profile 5</translation>
    </message>
    <message>
        <source>Коэффициент</source>
        <translation>Coefficient</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>4 - 20 мА</source>
        <translation>4 - 20 mA</translation>
    </message>
    <message>
        <source>0 - 4 В</source>
        <translation>0 - 4 V</translation>
    </message>
    <message>
        <source>0 - 10 В</source>
        <translation>0 - 10 V</translation>
    </message>
    <message>
        <source>Не выбран</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Давление</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Температура</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Виброускорение</source>
        <translation>Vibr. acceleration</translation>
    </message>
    <message>
        <source>Виброскорость</source>
        <translation>Vibr. velocity</translation>
    </message>
    <message>
        <source>Сопротивление изоляции</source>
        <translation>Insulation resistance</translation>
    </message>
    <message>
        <source>Расход</source>
        <translation>Flow rate</translation>
    </message>
    <message>
        <source>Частота</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Ток</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Минус</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Плюс</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>max</source>
        <translation>max</translation>
    </message>
    <message>
        <source>Pmin</source>
        <translation>Pmin</translation>
    </message>
    <message>
        <source>Pmax критическое</source>
        <translation>Critical Pmax</translation>
    </message>
    <message>
        <source>Замыкание</source>
        <translation>Closing</translation>
    </message>
    <message>
        <source>Размыкание</source>
        <translation>Opening</translation>
    </message>
    <message>
        <source>Контактный манометр</source>
        <translation>Contact pressure gauge</translation>
    </message>
    <message>
        <source>Авария реле контроля фаз</source>
        <translation>Phase monitor relay fault</translation>
    </message>
    <message>
        <source>Разрешение на запуск</source>
        <translation>Start permission</translation>
    </message>
    <message>
        <source>Аварийное отключение</source>
        <translation>Emergency shutdown</translation>
    </message>
    <message>
        <source>Пуск</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Реверс</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Защита</source>
        <translation>Protection</translation>
    </message>
    <message>
        <source>Кнопка оператора</source>
        <translation>Operator button</translation>
    </message>
    <message>
        <source>Работа</source>
        <translation>Running</translation>
    </message>
    <message>
        <source>Tемпер. igbt 1</source>
        <translation>IGBT 1 temp.</translation>
    </message>
    <message>
        <source>Входной фильтр</source>
        <translation>Input filter</translation>
    </message>
    <message>
        <source>СУ готова к запуску</source>
        <translation>Station ready to start</translation>
    </message>
    <message>
        <source>Авария СУ</source>
        <translation>Station fault</translation>
    </message>
    <message>
        <source>Удалённое управление</source>
        <translation>Remote control</translation>
    </message>
    <message>
        <source>Ручной/Авто</source>
        <translation>Manual/Auto</translation>
    </message>
    <message>
        <source>Ан. вх. 1</source>
        <translation>AI 1</translation>
    </message>
    <message>
        <source>Ан. вх. 2</source>
        <translation>AI 2</translation>
    </message>
    <message>
        <source>Ан. вх. 3</source>
        <translation>AI 3</translation>
    </message>
    <message>
        <source>Ан. вх. 4</source>
        <translation>AI 4</translation>
    </message>
    <message>
        <source>Загрузка</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Мощность</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Прямая</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>Обратная</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>Поддержание</source>
        <translation>Holding</translation>
    </message>
    <message>
        <source>Следование</source>
        <translation>Tracking</translation>
    </message>
    <message>
        <source>ДВИГ</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>ВХОД</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>ТМПН</source>
        <translation>Step-up transformer</translation>
    </message>
    <message>
        <source>СУ</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Отключение питания</source>
        <translation>Power off</translation>
    </message>
    <message>
        <source>Превышение питания сети</source>
        <translation>Supply overvoltage</translation>
    </message>
    <message>
        <source>Снижение питания сети</source>
        <translation>Supply undervoltage</translation>
    </message>
    <message>
        <source>Дисбаланс напряжения</source>
        <translation>Voltage imbalance</translation>
    </message>
    <message>
        <source>Дисбаланс входных токов</source>
        <translation>Input current imbalance</translation>
    </message>
    <message>
        <source>Недогруз двигателя</source>
        <translation>Motor underload</translation>
    </message>
    <message>
        <source>Дисбаланс токов ПЭД</source>
        <translation>Motor current imbalance</translation>
    </message>
    <message>
        <source>Рассинхронизация ПВЭД</source>
        <translation>PM motor loss of sync</translation>
    </message>
    <message>
        <source>Давление на приёме насоса</source>
        <translation>Pump intake pressure</translation>
    </message>
    <message>
        <source>Перегрев двигателя</source>
        <translation>Motor overheat</translation>
    </message>
    <message>
        <source>Температура на приёме</source>
        <translation>Intake temperature</translation>
    </message>
    <message>
        <source>Пониженное сопротивление изоляции</source>
        <translation>Low insulation resistance</translation>
    </message>
    <message>
        <source>Превышение вибрации</source>
        <translation>High vibration</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 1</source>
        <translation>Digital input 1 protection</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 2</source>
        <translation>Digital input 2 protection</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 3</source>
        <translation>Digital input 3 protection</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 4</source>
        <translation>Digital input 4 protection</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 7</source>
        <translation>Digital input 7 protection</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 8</source>
        <translation>Digital input 8 protection</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 9</source>
        <translation>Digital input 9 protection</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 10</source>
        <translation>Digital input 10 protection</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 13</source>
        <translation>Digital input 13 protection</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 14</source>
        <translation>Digital input 14 protection</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 15</source>
        <translation>Digital input 15 protection</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 16</source>
        <translation>Digital input 16 protection</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 17</source>
        <translation>Digital input 17 protection</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 18</source>
        <translation>Digital input 18 protection</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 19</source>
        <translation>Digital input 19 protection</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 20</source>
        <translation>Digital input 20 protection</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 21</source>
        <translation>Digital input 21 protection</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 22</source>
        <translation>Digital input 22 protection</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 23</source>
        <translation>Digital input 23 protection</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 24</source>
        <translation>Digital input 24 protection</translation>
    </message>
    <message>
        <source>Превышение числа пусков</source>
        <translation>Too many starts</translation>
    </message>
    <message>
        <source>Блокировка силового отсека</source>
        <translation>Power compartment interlock</translation>
    </message>
    <message>
        <source>Контроль УКИ</source>
        <translation>IMD check</translation>
    </message>
    <message>
        <source>Минимальный расход</source>
        <translation>Minimum flow rate</translation>
    </message>
    <message>
        <source>Pmax на выкиде насоса</source>
        <translation>Pmax at pump discharge</translation>
    </message>
    <message>
        <source>Перегрев радиатора</source>
        <translation>Heatsink overheat</translation>
    </message>
    <message>
        <source>Потеря связи с ТМС</source>
        <translation>DHS link lost</translation>
    </message>
    <message>
        <source>Значение %1 &lt; %2, увеличьте %3</source>
        <translation>Value %1 &lt; %2, increase %3</translation>
    </message>
    <message>
        <source>Проверьте: %1</source>
        <translation>Check: %1</translation>
    </message>
    <message>
        <source>Идёт: %1</source>
        <translation>In progress: %1</translation>
    </message>
    <message>
        <source>Отложенный пуск</source>
        <translation>Delayed start</translation>
    </message>
    <message>
        <source>Отключение режима</source>
        <translation>Mode off</translation>
    </message>
    <message>
        <source>Не выбран тип ЧРП</source>
        <translation>VFD type not selected</translation>
    </message>
    <message>
        <source>Нет связи с ЧРП</source>
        <translation>No link with VFD</translation>
    </message>
    <message>
        <source>Оператор</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Автоматический</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Телеуправление</source>
        <translation>Remote control</translation>
    </message>
    <message>
        <source>По программе</source>
        <translation>By program</translation>
    </message>
    <message>
        <source>Цифр. вх. 1</source>
        <translation>DI 1</translation>
    </message>
    <message>
        <source>Цифр. вх. 2</source>
        <translation>DI 2</translation>
    </message>
    <message>
        <source>Цифр. вх. 3</source>
        <translation>DI 3</translation>
    </message>
    <message>
        <source>Цифр. вх. 4</source>
        <translation>DI 4</translation>
    </message>
    <message>
        <source>Цифр. вх. 7</source>
        <translation>DI 7</translation>
    </message>
    <message>
        <source>Цифр. вх. 8</source>
        <translation>DI 8</translation>
    </message>
    <message>
        <source>Цифр. вх. 9</source>
        <translation>DI 9</translation>
    </message>
    <message>
        <source>Цифр. вх. 10</source>
        <translation>DI 10</translation>
    </message>
    <message>
        <source>Блокировка двери</source>
        <translation>Door interlock</translation>
    </message>
    <message>
        <source>Pmin на приёме насоса</source>
        <translation>Pmin at pump intake</translation>
    </message>
    <message>
        <source>Снижение давления</source>
        <translation>Pressure drop</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Мин.</source>
        <translation>AI 1 Min.</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Макс.</source>
        <translation>AI 1 Max.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Мин.</source>
        <translation>AI 2 Min.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Макс.</source>
        <translation>AI 2 Max.</translation>
    </message>
    <message>
        <source>Отключение питания сети</source>
        <translation>Supply power loss</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Мин.</source>
        <translation>AI 3 Min.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Мин.</source>
        <translation>AI 4 Min.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Макс.</source>
        <translation>AI 3 Max.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Макс.</source>
        <translation>AI 4 Max.</translation>
    </message>
    <message>
        <source>Аппаратные защиты ЧРП</source>
        <translation>VFD hardware protections</translation>
    </message>
    <message>
        <source>Взлом СУ</source>
        <translation>Station tampering</translation>
    </message>
    <message>
        <source>ЧРП. Нет связи</source>
        <translation>VFD. No link</translation>
    </message>
    <message>
        <source>ЧРП. Ошибка управления</source>
        <translation>VFD. Control error</translation>
    </message>
    <message>
        <source>Pmax критическое на приёме насоса</source>
        <translation>Critical Pmax at pump intake</translation>
    </message>
    <message>
        <source>АПВ по защите</source>
        <translation>Auto-restart after trip</translation>
    </message>
    <message>
        <source>Сигнал цифр.вх.</source>
        <translation>Signal DI</translation>
    </message>
    <message>
        <source>Защита цифр.вх.</source>
        <translation>Protection DI</translation>
    </message>
    <message>
        <source>Обороты двиг.</source>
        <translation>Motor speed</translation>
    </message>
    <message>
        <source>Ток фазы A</source>
        <translation>Phase A curr.</translation>
    </message>
    <message>
        <source>Ток фазы B</source>
        <translation>Phase B curr.</translation>
    </message>
    <message>
        <source>Ток фазы C</source>
        <translation>Phase C curr.</translation>
    </message>
    <message>
        <source>Дисб. токов</source>
        <translation>Curr. imbal.</translation>
    </message>
    <message>
        <source>Ток двигателя</source>
        <translation>Motor current</translation>
    </message>
    <message>
        <source>Напряж.</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Коэф. мощн.</source>
        <translation>Power factor</translation>
    </message>
    <message>
        <source>Частота турб.</source>
        <translation>Turbine freq.</translation>
    </message>
    <message>
        <source>Сопр.изоляции</source>
        <translation>Insul. resist.</translation>
    </message>
    <message>
        <source>Черед. фаз</source>
        <translation>Phase seq.</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Режим пуска</source>
        <translation>Start mode</translation>
    </message>
    <message>
        <source>Режим работы</source>
        <translation>Run mode</translation>
    </message>
    <message>
        <source>Дисб. напряж.</source>
        <translation>Volt. imbal.</translation>
    </message>
    <message>
        <source>Дверь</source>
        <translation>Door</translation>
    </message>
    <message>
        <source>Конт. маном</source>
        <translation>Contact gauge</translation>
    </message>
    <message>
        <source>Период записи в работе</source>
        <translation>Log period, running</translation>
    </message>
    <message>
        <source>Период экстренной записи</source>
        <translation>Fault log period</translation>
    </message>
    <message>
        <source>Период записи ТМС</source>
        <translation>DHS log period</translation>
    </message>
    <message>
        <source>Номинальная мощность ТМПН</source>
        <translation>SUT rated power</translation>
    </message>
    <message>
        <source>Номинальный ток ТМПН</source>
        <translation>SUT rated current</translation>
    </message>
    <message>
        <source>Номинальное напряжение ТМПН</source>
        <translation>SUT rated voltage</translation>
    </message>
    <message>
        <source>Длина кабеля</source>
        <translation>Cable length</translation>
    </message>
    <message>
        <source>Сечение кабеля</source>
        <translation>Cable cross-section</translation>
    </message>
    <message>
        <source>Рекомендуемое напряжение отпайки</source>
        <translation>Recommended tap voltage</translation>
    </message>
    <message>
        <source>Напряжение отпайки</source>
        <translation>Tap voltage</translation>
    </message>
    <message>
        <source>Тип ТМС</source>
        <translation>DHS type</translation>
    </message>
    <message>
        <source>Производительность</source>
        <translation>Pump capacity</translation>
    </message>
    <message>
        <source>Напор</source>
        <translation>Head</translation>
    </message>
    <message>
        <source>Глубина спуска</source>
        <translation>Setting depth</translation>
    </message>
    <message>
        <source>Действие защиты</source>
        <translation>Protection action</translation>
    </message>
    <message>
        <source>Повышенное напряжение</source>
        <translation>Overvoltage</translation>
    </message>
    <message>
        <source>Пусковое время</source>
        <translation>Start time</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Задержка АПВ</source>
        <translation>Auto-restart delay</translation>
    </message>
    <message>
        <source>Разрешено АПВ</source>
        <translation>Auto-restarts allowed</translation>
    </message>
    <message>
        <source>Сброс счётчиков АПВ</source>
        <translation>Reset restart counts</translation>
    </message>
    <message>
        <source>Уставка останова</source>
        <translation>Stop setpoint</translation>
    </message>
    <message>
        <source>Пониженное напряжение</source>
        <translation>Undervoltage</translation>
    </message>
    <message>
        <source>Перегруз (ЗП)</source>
        <translation>Overload</translation>
    </message>
    <message>
        <source>Недогруз (ЗСП)</source>
        <translation>Underload</translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя</source>
        <translation>Motor current imbalance</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя</source>
        <translation>Motor loss of sync</translation>
    </message>
    <message>
        <source>Минимальный коэффициент мощности</source>
        <translation>Minimum power factor</translation>
    </message>
    <message>
        <source>Максимальный ток</source>
        <translation>Maximum current</translation>
    </message>
    <message>
        <source>Уставка останова минимум</source>
        <translation>Minimum stop setpoint</translation>
    </message>
    <message>
        <source>Уставка пуска</source>
        <translation>Start setpoint</translation>
    </message>
    <message>
        <source>Нормализация</source>
        <translation>Normalization</translation>
    </message>
    <message>
        <source>Температура двигателя</source>
        <translation>Motor temperature</translation>
    </message>
    <message>
        <source>Работа с пониженным сопротивлением</source>
        <translation>Run at low resistance</translation>
    </message>
    <message>
        <source>Вибрация двигателя</source>
        <translation>Motor vibration</translation>
    </message>
    <message>
        <source>Время минимум</source>
        <translation>Minimum time</translation>
    </message>
    <message>
        <source>Уставка пуска минимум</source>
        <translation>Minimum start setpoint</translation>
    </message>
    <message>
        <source>Уставка останова максимум</source>
        <translation>Maximum stop setpoint</translation>
    </message>
    <message>
        <source>Действие режима</source>
        <translation>Mode action</translation>
    </message>
    <message>
        <source>Время работы</source>
        <translation>Run time</translation>
    </message>
    <message>
        <source>Время паузы</source>
        <translation>Pause time</translation>
    </message>
    <message>
        <source>Время до конца работы по программе</source>
        <translation>Time left to run (program)</translation>
    </message>
    <message>
        <source>Время до конца паузы по программе</source>
        <translation>Time left to pause end (program)</translation>
    </message>
    <message>
        <source>Рабочая частота f1</source>
        <translation>Operating frequency f1</translation>
    </message>
    <message>
        <source>Время работы на частоте f1</source>
        <translation>Run time at f1</translation>
    </message>
    <message>
        <source>Недогруз на частоте f1</source>
        <translation>Underload at f1</translation>
    </message>
    <message>
        <source>Рабочая частота f2</source>
        <translation>Operating frequency f2</translation>
    </message>
    <message>
        <source>Время работы на частоте f2</source>
        <translation>Run time at f2</translation>
    </message>
    <message>
        <source>Недогруз на частоте f2</source>
        <translation>Underload at f2</translation>
    </message>
    <message>
        <source>Начальная частота</source>
        <translation>Initial frequency</translation>
    </message>
    <message>
        <source>Конечная частота</source>
        <translation>Final frequency</translation>
    </message>
    <message>
        <source>Период времени</source>
        <translation>Time period</translation>
    </message>
    <message>
        <source>Время перехода на главную форму</source>
        <translation>Return to main screen after</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Зависимость</source>
        <translation>Dependence</translation>
    </message>
    <message>
        <source>Поддерживаемое значение</source>
        <translation>Held value</translation>
    </message>
    <message>
        <source>Период регулирования</source>
        <translation>Control period</translation>
    </message>
    <message>
        <source>Пропорциональный коэффициент</source>
        <translation>Proportional gain</translation>
    </message>
    <message>
        <source>Интегральный коэффициент</source>
        <translation>Integral gain</translation>
    </message>
    <message>
        <source>Минимальная частота</source>
        <translation>Minimum frequency</translation>
    </message>
    <message>
        <source>Максимальная частота</source>
        <translation>Maximum frequency</translation>
    </message>
    <message>
        <source>Периодичность</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Частота f1</source>
        <translation>Frequency f1</translation>
    </message>
    <message>
        <source>Темп увеличения частоты</source>
        <translation>Frequency rise rate</translation>
    </message>
    <message>
        <source>Частота f2</source>
        <translation>Frequency f2</translation>
    </message>
    <message>
        <source>Темп уменьшения частоты</source>
        <translation>Frequency fall rate</translation>
    </message>
    <message>
        <source>Сопротивление при 20С</source>
        <translation>Resistance at 20C</translation>
    </message>
    <message>
        <source>Сопротивление при 80С</source>
        <translation>Resistance at 80C</translation>
    </message>
    <message>
        <source>Номинальный ток кабеля</source>
        <translation>Cable rated current</translation>
    </message>
    <message>
        <source>Время нагрева</source>
        <translation>Heating time</translation>
    </message>
    <message>
        <source>Максимальное отклонение от U/f</source>
        <translation>Maximum deviation from U/f</translation>
    </message>
    <message>
        <source>Шаг изменения напряжения</source>
        <translation>Voltage step</translation>
    </message>
    <message>
        <source>Первый цикл после пуска</source>
        <translation>First cycle after start</translation>
    </message>
    <message>
        <source>Периодичность оптимизации</source>
        <translation>Optimization interval</translation>
    </message>
    <message>
        <source>Частота F1</source>
        <translation>Frequency F1</translation>
    </message>
    <message>
        <source>Частота F2</source>
        <translation>Frequency F2</translation>
    </message>
    <message>
        <source>Время F1</source>
        <translation>Time F1</translation>
    </message>
    <message>
        <source>Порог токоограничения</source>
        <translation>Current limit threshold</translation>
    </message>
    <message>
        <source>Задержка отключения</source>
        <translation>Trip delay</translation>
    </message>
    <message>
        <source>Коэффициент A</source>
        <translation>Coefficient A</translation>
    </message>
    <message>
        <source>Коэффициент B</source>
        <translation>Coefficient B</translation>
    </message>
    <message>
        <source>Коэффициент С</source>
        <translation>Coefficient C</translation>
    </message>
    <message>
        <source>Коэффициент U</source>
        <translation>Coefficient U</translation>
    </message>
    <message>
        <source>Коэффициент V</source>
        <translation>Coefficient V</translation>
    </message>
    <message>
        <source>Коэффициент W</source>
        <translation>Coefficient W</translation>
    </message>
    <message>
        <source>Номер ЦДНГ</source>
        <translation>Field unit number</translation>
    </message>
    <message>
        <source>Номер куста</source>
        <translation>Pad number</translation>
    </message>
    <message>
        <source>Номер скважины</source>
        <translation>Well number</translation>
    </message>
    <message>
        <source>Количество пусков</source>
        <translation>Number of starts</translation>
    </message>
    <message>
        <source>Количество отключений по перегрузу</source>
        <translation>Overload trips</translation>
    </message>
    <message>
        <source>Количество отключений по недогрузу</source>
        <translation>Underload trips</translation>
    </message>
    <message>
        <source>Количество отключений по остальным защитам</source>
        <translation>Trips by other protections</translation>
    </message>
    <message>
        <source>Количество АПВ после остановов по напряжению</source>
        <translation>Auto-restarts after voltage trips</translation>
    </message>
    <message>
        <source>Количество АПВ после остановов по перегрузу</source>
        <translation>Auto-restarts after overload trips</translation>
    </message>
    <message>
        <source>Количество АПВ после остановов по недогрузу</source>
        <translation>Auto-restarts after underload trips</translation>
    </message>
    <message>
        <source>Количество АПВ после остановов по дисбалансу тока двигателя</source>
        <translation>Auto-restarts after motor current imbalance trips</translation>
    </message>
    <message>
        <source>Общее время работы</source>
        <translation>Total run time</translation>
    </message>
    <message>
        <source>Общее время простоя</source>
        <translation>Total idle time</translation>
    </message>
    <message>
        <source>Текущая наработка</source>
        <translation>Current run time</translation>
    </message>
    <message>
        <source>Текущий простой</source>
        <translation>Current idle time</translation>
    </message>
    <message>
        <source>Программа</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Время до запуска</source>
        <translation>Time to start</translation>
    </message>
    <message>
        <source>Последнее включение</source>
        <translation>Last start</translation>
    </message>
    <message>
        <source>Причина последнего пуска</source>
        <translation>Last start reason</translation>
    </message>
    <message>
        <source>Последнее отключение</source>
        <translation>Last stop</translation>
    </message>
    <message>
        <source>Причина последнего отключения</source>
        <translation>Last stop reason</translation>
    </message>
    <message>
        <source>Последнее изменение частоты</source>
        <translation>Last frequency change</translation>
    </message>
    <message>
        <source>Предпоследняя частота</source>
        <translation>Previous frequency</translation>
    </message>
    <message>
        <source>Тип ВРХ</source>
        <translation>Controller type</translation>
    </message>
    <message>
        <source>Предприятие изготовитель ВРХ</source>
        <translation>Controller manufacturer</translation>
    </message>
    <message>
        <source>Заводской номер ВРХ</source>
        <translation>Controller serial number</translation>
    </message>
    <message>
        <source>ПО ВРХ</source>
        <translation>Controller SW</translation>
    </message>
    <message>
        <source>ПО МС</source>
        <translation>MS SW</translation>
    </message>
    <message>
        <source>ПО ПЧ</source>
        <translation>VFD SW</translation>
    </message>
    <message>
        <source>Дата изготовления ВРХ</source>
        <translation>Controller mfg. date</translation>
    </message>
    <message>
        <source>Дата установки ПО ВРХ</source>
        <translation>Controller SW install date</translation>
    </message>
    <message>
        <source>Дата генерации ПО ВРХ</source>
        <translation>Controller SW build date</translation>
    </message>
    <message>
        <source>Дата установки ПО ПЧ</source>
        <translation>VFD SW install date</translation>
    </message>
    <message>
        <source>Тип СУ</source>
        <translation>Station type</translation>
    </message>
    <message>
        <source>Предприятие изготовитель СУ</source>
        <translation>Station manufacturer</translation>
    </message>
    <message>
        <source>Заводской номер СУ</source>
        <translation>Station serial number</translation>
    </message>
    <message>
        <source>Дата изготовления СУ</source>
        <translation>Station mfg. date</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Дата и время</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Год</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Месяц</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Число</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Часы</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>Минуты</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Секунды</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Парольная защита</source>
        <translation>Password protection</translation>
    </message>
    <message>
        <source>Текущий уровень доступа</source>
        <translation>Current access level</translation>
    </message>
    <message>
        <source>Пароль первого уровня</source>
        <translation>Level 1 password</translation>
    </message>
    <message>
        <source>Пароль второго уровня</source>
        <translation>Level 2 password</translation>
    </message>
    <message>
        <source>Пароль третьего уровня</source>
        <translation>Level 3 password</translation>
    </message>
    <message>
        <source>Протокол</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>Протокол обмена</source>
        <translation>Exchange protocol</translation>
    </message>
    <message>
        <source>Адрес</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Скорость порта</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Четность</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>Количество стоп бит</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>Задержка ответа</source>
        <translation>Reply delay</translation>
    </message>
    <message>
        <source>Состояние ЧРП</source>
        <translation>VFD state</translation>
    </message>
    <message>
        <source>Считать архив</source>
        <translation>Read log</translation>
    </message>
    <message>
        <source>Очистить архив</source>
        <translation>Clear log</translation>
    </message>
    <message>
        <source>Очистить сервисный архив</source>
        <translation>Clear service log</translation>
    </message>
    <message>
        <source>Сброс всех СчтчАПВ</source>
        <translation>Reset all AR counts</translation>
    </message>
    <message>
        <source>Сбросить значения уставок по умолчанию?</source>
        <translation>Reset settings to defaults?</translation>
    </message>
    <message>
        <source>СбросСчтчАПВ защит по сети</source>
        <translation>Reset supply prot. AR counts</translation>
    </message>
    <message>
        <source>СбросСчтчАПВ защит двигателя</source>
        <translation>Reset motor prot. AR counts</translation>
    </message>
    <message>
        <source>Уста.по.умол.?</source>
        <translation>Defaults?</translation>
    </message>
    <message>
        <source>СбросСчтчАПВ защит ТМС</source>
        <translation>Reset DHS prot. AR counts</translation>
    </message>
    <message>
        <source>Сбросить все счётчики?</source>
        <translation>Reset all counters?</translation>
    </message>
    <message>
        <source>Вых.напр.ТМПН</source>
        <translation>SUT out. voltage</translation>
    </message>
    <message>
        <source>Прогрессивная задержка АПВ</source>
        <translation>Progressive restart delay</translation>
    </message>
    <message>
        <source>Состояние ВРХ</source>
        <translation>Controller state</translation>
    </message>
    <message>
        <source>Коэффициент трансформации</source>
        <translation>Transformer ratio</translation>
    </message>
    <message>
        <source>Прогрессивная задержка</source>
        <translation>Progressive delay</translation>
    </message>
    <message>
        <source>Начальная уставка недогруза</source>
        <translation>Initial underload setpoint</translation>
    </message>
    <message>
        <source>Частота толчков</source>
        <translation>Pulse frequency</translation>
    </message>
    <message>
        <source>Время толчков</source>
        <translation>Pulse time</translation>
    </message>
    <message>
        <source>Время между толчками</source>
        <translation>Time between pulses</translation>
    </message>
    <message>
        <source>Напряжение толчков</source>
        <translation>Pulse voltage</translation>
    </message>
    <message>
        <source>Количество толчков</source>
        <translation>Number of pulses</translation>
    </message>
    <message>
        <source>Частота толчков прямая</source>
        <translation>Forward pulse frequency</translation>
    </message>
    <message>
        <source>Количество циклов</source>
        <translation>Number of cycles</translation>
    </message>
    <message>
        <source>Тип ЧРП</source>
        <translation>VFD type</translation>
    </message>
    <message>
        <source>Индуктивность выходного фильтра</source>
        <translation>Output filter inductance</translation>
    </message>
    <message>
        <source>Индуктивность двигателя</source>
        <translation>Motor inductance</translation>
    </message>
    <message>
        <source>Полное индуктивное сопротивление фазы</source>
        <translation>Phase total reactance</translation>
    </message>
    <message>
        <source>Напряжение короткого замыкания</source>
        <translation>Short-circuit voltage</translation>
    </message>
    <message>
        <source>Частота питающей сети</source>
        <translation>Supply frequency</translation>
    </message>
    <message>
        <source>Связь с верхним контроллером</source>
        <translation>Link to SCADA</translation>
    </message>
    <message>
        <source>Связь с ЧРП</source>
        <translation>VFD link</translation>
    </message>
    <message>
        <source>Связь с ТМС</source>
        <translation>DHS link</translation>
    </message>
    <message>
        <source>Связь со счётчиком электроэнергии</source>
        <translation>Energy meter link</translation>
    </message>
    <message>
        <source>Тип счётчика</source>
        <translation>Meter type</translation>
    </message>
    <message>
        <source>Напряжение A</source>
        <translation>Voltage A</translation>
    </message>
    <message>
        <source>Напряжение B</source>
        <translation>Voltage B</translation>
    </message>
    <message>
        <source>Напряжение C</source>
        <translation>Voltage C</translation>
    </message>
    <message>
        <source>Напряжение AB</source>
        <translation>Voltage AB</translation>
    </message>
    <message>
        <source>Напряжение BC</source>
        <translation>Voltage BC</translation>
    </message>
    <message>
        <source>Напряжение CA</source>
        <translation>Voltage CA</translation>
    </message>
    <message>
        <source>Выходной фильтр</source>
        <translation>Output filter</translation>
    </message>
    <message>
        <source>Ёмкость выходного фильтра</source>
        <translation>Output filter capacitance</translation>
    </message>
    <message>
        <source>Количество АПВ</source>
        <translation>Auto-restarts</translation>
    </message>
    <message>
        <source>Напряжение питающей сети</source>
        <translation>Supply voltage</translation>
    </message>
    <message>
        <source>Максимальное рабочее напряжение</source>
        <translation>Maximum operating voltage</translation>
    </message>
    <message>
        <source>Количество встряхиваний</source>
        <translation>Number of shakes</translation>
    </message>
    <message>
        <source>Кол-во разрешенных АПВ после других защит</source>
        <translation>Restarts allowed after other trips</translation>
    </message>
    <message>
        <source>Обновить ПО?</source>
        <translation>Update software?</translation>
    </message>
    <message>
        <source>Перезагрузить ПО?</source>
        <translation>Restart software?</translation>
    </message>
    <message>
        <source>Время переключения окон</source>
        <translation>Screen switch time</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП1</source>
        <translation>VFD status 1</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП2</source>
        <translation>VFD status 2</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП3</source>
        <translation>VFD status 3</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП4</source>
        <translation>VFD status 4</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП7</source>
        <translation>VFD status 7</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП5</source>
        <translation>VFD status 5</translation>
    </message>
    <message>
        <source>Максимальная рабочая частота</source>
        <translation>Maximum operating frequency</translation>
    </message>
    <message>
        <source>Таймер контроллера SL. Предел тока (13-20.6)</source>
        <translation>SL controller timer. Current limit (13-20.6)</translation>
    </message>
    <message>
        <source>Связь с ЧРП - быстрые архивы</source>
        <translation>VFD link - fast logs</translation>
    </message>
    <message>
        <source>Тип двигателя</source>
        <translation>Motor type</translation>
    </message>
    <message>
        <source>Падение напряжения на кабеле</source>
        <translation>Cable voltage drop</translation>
    </message>
    <message>
        <source>Падение напряжения на фильтре</source>
        <translation>Filter voltage drop</translation>
    </message>
    <message>
        <source>Частота толчка</source>
        <translation>Pulse frequency</translation>
    </message>
    <message>
        <source>Угол качания</source>
        <translation>Rocking angle</translation>
    </message>
    <message>
        <source>Количество оборотов двигателя</source>
        <translation>Motor revolutions</translation>
    </message>
    <message>
        <source>Кратность напряжения импульса расклинки</source>
        <translation>Unjam pulse voltage ratio</translation>
    </message>
    <message>
        <source>Токоограничение в режиме</source>
        <translation>Current limit in mode</translation>
    </message>
    <message>
        <source>Порог токоограничения импульса</source>
        <translation>Pulse current limit threshold</translation>
    </message>
    <message>
        <source>Количество качаний на угол</source>
        <translation>Swings per angle</translation>
    </message>
    <message>
        <source>Тип сигнала</source>
        <translation>Signal type</translation>
    </message>
    <message>
        <source>Действие по сигналу</source>
        <translation>Action on signal</translation>
    </message>
    <message>
        <source>Расчётное напряжение двигателя</source>
        <translation>Calculated motor voltage</translation>
    </message>
    <message>
        <source>Цифр. вх. 5</source>
        <translation>DI 5</translation>
    </message>
    <message>
        <source>Цифр. вх. 6</source>
        <translation>DI 6</translation>
    </message>
    <message>
        <source>Цифр. вх. 11</source>
        <translation>DI 11</translation>
    </message>
    <message>
        <source>Цифр. вх. 12</source>
        <translation>DI 12</translation>
    </message>
    <message>
        <source>Время работы в течении суток</source>
        <translation>Run time per day</translation>
    </message>
    <message>
        <source>Температура процессора</source>
        <translation>CPU temperature</translation>
    </message>
    <message>
        <source>Температура контроллера</source>
        <translation>Controller temperature</translation>
    </message>
    <message>
        <source>Ан. вх. 5</source>
        <translation>AI 5</translation>
    </message>
    <message>
        <source>Тип входа</source>
        <translation>Input type</translation>
    </message>
    <message>
        <source>Минимум шкалы</source>
        <translation>Scale minimum</translation>
    </message>
    <message>
        <source>Максимум шкалы</source>
        <translation>Scale maximum</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП6</source>
        <translation>VFD status 6</translation>
    </message>
    <message>
        <source>Код аварии ЧРП</source>
        <translation>VFD fault code</translation>
    </message>
    <message>
        <source>Код предупреждения ЧРП</source>
        <translation>VFD warning code</translation>
    </message>
    <message>
        <source>Сохранять в архивах отказы датчиков</source>
        <translation>Log sensor failures</translation>
    </message>
    <message>
        <source>Тестовое значение</source>
        <translation>Test value</translation>
    </message>
    <message>
        <source>Число начала расчётного периода в месяце</source>
        <translation>Billing period start day</translation>
    </message>
    <message>
        <source>Уставка частоты</source>
        <translation>Freq. setpoint</translation>
    </message>
    <message>
        <source>Коэффициент C</source>
        <translation>Coefficient C</translation>
    </message>
    <message>
        <source>Полная загрузка</source>
        <translation>Total load</translation>
    </message>
    <message>
        <source>Расчётное время</source>
        <translation>Calculated time</translation>
    </message>
    <message>
        <source>Измерение токов ЧРП</source>
        <translation>VFD current measurement</translation>
    </message>
    <message>
        <source>IP-адрес</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Маска подсети</source>
        <translation>Subnet mask</translation>
    </message>
    <message>
        <source>Подключение flashdisk к USB</source>
        <translation>USB flash drive plugged in</translation>
    </message>
    <message>
        <source>Текущее состояние режима</source>
        <translation>Current mode state</translation>
    </message>
    <message>
        <source>Время начала периода встряхивания</source>
        <translation>Shaking period start time</translation>
    </message>
    <message>
        <source>Гарантированный пуск</source>
        <translation>Guaranteed start</translation>
    </message>
    <message>
        <source>Текущий недогруз</source>
        <translation>Current underload</translation>
    </message>
    <message>
        <source>Номинальный ток СУ</source>
        <translation>Station rated current</translation>
    </message>
    <message>
        <source>Качество связи</source>
        <translation>Link quality</translation>
    </message>
    <message>
        <source>Счётчик запросов</source>
        <translation>Requests</translation>
    </message>
    <message>
        <source>Счетчик ответов</source>
        <translation>Replies</translation>
    </message>
    <message>
        <source>Счетчик некорректных ответов</source>
        <translation>Bad replies</translation>
    </message>
    <message>
        <source>Счётчик ошибок контрольной суммы</source>
        <translation>Checksum errors</translation>
    </message>
    <message>
        <source>Счётчик ошибок устройства</source>
        <translation>Device errors</translation>
    </message>
    <message>
        <source>Счётчик потерянных ответов</source>
        <translation>Lost replies</translation>
    </message>
    <message>
        <source>Сбросить счётчики качества связи</source>
        <translation>Reset link quality counters</translation>
    </message>
    <message>
        <source>Количество АПВ всех защит</source>
        <translation>Auto-restarts, all protections</translation>
    </message>
    <message>
        <source>Давление на выкиде насоса</source>
        <translation>Pump discharge pressure</translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Разрешено АПВ</source>
        <translation>Overload restarts allowed</translation>
    </message>
    <message>
        <source>Максимум параметров в одном запросе</source>
        <translation>Max parameters per request</translation>
    </message>
    <message>
        <source>Состояние оптимизации</source>
        <translation>Optimization state</translation>
    </message>
    <message>
        <source>Релейный выход 1</source>
        <translation>Relay output 1</translation>
    </message>
    <message>
        <source>Релейный выход 2</source>
        <translation>Relay output 2</translation>
    </message>
    <message>
        <source>Релейный выход 3</source>
        <translation>Relay output 3</translation>
    </message>
    <message>
        <source>Релейный выход 4</source>
        <translation>Relay output 4</translation>
    </message>
    <message>
        <source>Приращение сопротивления статора</source>
        <translation>Stator resistance increment</translation>
    </message>
    <message>
        <source>!Снижение частоты</source>
        <translation>!Frequency reduction</translation>
    </message>
    <message>
        <source>Минимальное сопротивление изоляции</source>
        <translation>Minimum insulation resistance</translation>
    </message>
    <message>
        <source>Наработка с момента первичного запуска</source>
        <translation>Run time since first start</translation>
    </message>
    <message>
        <source>Подхват.Максимальная мощность двигателя</source>
        <translation>Flying start.Max motor power</translation>
    </message>
    <message>
        <source>Подхват.Задержка АПВ</source>
        <translation>Flying start.Restart delay</translation>
    </message>
    <message>
        <source>!Подхват.Снижение частоты между попытками</source>
        <translation>!Flying start.Freq. drop between tries</translation>
    </message>
    <message>
        <source>Темп изменения частоты</source>
        <translation>Frequency change rate</translation>
    </message>
    <message>
        <source>Частота синхронизации</source>
        <translation>Synchronization frequency</translation>
    </message>
    <message>
        <source>Время синхронизации</source>
        <translation>Synchronization time</translation>
    </message>
    <message>
        <source>!Время работы на пониженной частоте</source>
        <translation>!Run time at reduced frequency</translation>
    </message>
    <message>
        <source>Текущая уставка останова</source>
        <translation>Current stop setpoint</translation>
    </message>
    <message>
        <source>Лимит наработки с момента первичного запуска</source>
        <translation>Run time limit since first start</translation>
    </message>
    <message>
        <source>!Кратность перегрузки</source>
        <translation>!Overload ratio</translation>
    </message>
    <message>
        <source>Профиль двигателя в ЧРП</source>
        <translation>Motor profile in VFD</translation>
    </message>
    <message>
        <source>Сброс уставок</source>
        <translation>Reset settings</translation>
    </message>
    <message>
        <source>Смещение</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Знак смещения</source>
        <translation>Offset sign</translation>
    </message>
    <message>
        <source>Частота ожидания</source>
        <translation>Wait frequency</translation>
    </message>
    <message>
        <source>Время ожидания</source>
        <translation>Wait time</translation>
    </message>
    <message>
        <source>Время разгона</source>
        <translation>Acceleration time</translation>
    </message>
    <message>
        <source>Время торможения</source>
        <translation>Deceleration time</translation>
    </message>
    <message>
        <source>Предыдущие обороты двигателя</source>
        <translation>Previous motor speed</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Давление на приёме насоса&quot;</source>
        <translation>Sensor state &quot;Pump intake pressure&quot;</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Температура на приеме насоса&quot;</source>
        <translation>Sensor state &quot;Pump intake temperature&quot;</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Температура обмотки ПЭД&quot;</source>
        <translation>Sensor state &quot;Motor winding temperature&quot;</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Температура масла ПЭД&quot;</source>
        <translation>Sensor state &quot;Motor oil temperature&quot;</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Вибрация по оси X&quot;</source>
        <translation>Sensor state &quot;Vibration X axis&quot;</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Вибрация по оси Y&quot;</source>
        <translation>Sensor state &quot;Vibration Y axis&quot;</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Вибрация по оси Z&quot;</source>
        <translation>Sensor state &quot;Vibration Z axis&quot;</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Давление на выкиде насоса в НКТ&quot;</source>
        <translation>Sensor state &quot;Discharge pressure, tubing&quot;</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Давление на выкиде насоса затрубное&quot;</source>
        <translation>Sensor state &quot;Discharge pressure, annulus&quot;</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Температура на выкиде насоса&quot;</source>
        <translation>Sensor state &quot;Pump discharge temperature&quot;</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Расход жидкости на выкиде насоса&quot;</source>
        <translation>Sensor state &quot;Pump discharge flow rate&quot;</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Обводненность&quot;</source>
        <translation>Sensor state &quot;Water cut&quot;</translation>
    </message>
    <message>
        <source>Удельная ЭДС</source>
        <translation>Back-EMF constant</translation>
    </message>
    <message>
        <source>Байпасные контакторы</source>
        <translation>Bypass contactors</translation>
    </message>
    <message>
        <source>Управляющий сигнал на KM1</source>
        <translation>KM1 control signal</translation>
    </message>
    <message>
        <source>Управляющий сигнал на KM2</source>
        <translation>KM2 control signal</translation>
    </message>
    <message>
        <source>Состояние KM1</source>
        <translation>KM1 state</translation>
    </message>
    <message>
        <source>Состояние KM2</source>
        <translation>KM2 state</translation>
    </message>
    <message>
        <source>Загрузка Ia</source>
        <translation>Load Ia</translation>
    </message>
    <message>
        <source>Загрузка Ib</source>
        <translation>Load Ib</translation>
    </message>
    <message>
        <source>Загрузка Ic</source>
        <translation>Load Ic</translation>
    </message>
    <message>
        <source>Ан. вх. 6</source>
        <translation>AI 6</translation>
    </message>
    <message>
        <source>Ан. вх. 6 Смещ.</source>
        <translation>AI 6 Offset</translation>
    </message>
    <message>
        <source>Ан. вх. 6 Коэф.</source>
        <translation>AI 6 Gain</translation>
    </message>
    <message>
        <source>Ан. вх. 7</source>
        <translation>AI 7</translation>
    </message>
    <message>
        <source>Ан. вх. 7 Смещ.</source>
        <translation>AI 7 Offset</translation>
    </message>
    <message>
        <source>Ан. вх. 7 Коэф.</source>
        <translation>AI 7 Gain</translation>
    </message>
    <message>
        <source>Ан. вх. 8</source>
        <translation>AI 8</translation>
    </message>
    <message>
        <source>Ан. вх. 8 Смещ.</source>
        <translation>AI 8 Offset</translation>
    </message>
    <message>
        <source>Ан. вх. 8 Коэф.</source>
        <translation>AI 8 Gain</translation>
    </message>
    <message>
        <source>Ан. вх. 6 Тип</source>
        <translation>AI 6 Type</translation>
    </message>
    <message>
        <source>Ан. вх. 7 Тип</source>
        <translation>AI 7 Type</translation>
    </message>
    <message>
        <source>Ан. вх. 8. Тип</source>
        <translation>AI 8. Type</translation>
    </message>
    <message>
        <source>Максимальный ток СУ</source>
        <translation>Station maximum current</translation>
    </message>
    <message>
        <source>Сохранить уставки в профиль</source>
        <translation>Save settings to profile</translation>
    </message>
    <message>
        <source>Загрузить уставки из профиля</source>
        <translation>Load settings from profile</translation>
    </message>
    <message>
        <source>Профиль уставок по умолчанию</source>
        <translation>Default settings profile</translation>
    </message>
    <message>
        <source>Сбросить значения всех уставок по умолчанию?</source>
        <translation>Reset all settings to defaults?</translation>
    </message>
    <message>
        <source>Сохранить конфигурацию на USB носитель</source>
        <translation>Save configuration to USB drive</translation>
    </message>
    <message>
        <source>Загрузить конфигурацию с USB носителя</source>
        <translation>Load configuration from USB drive</translation>
    </message>
    <message>
        <source>Ан. вх. 5 Смещ.</source>
        <translation>AI 5 Offset</translation>
    </message>
    <message>
        <source>Ан. вх. 5 Знак</source>
        <translation>AI 5 Sign</translation>
    </message>
    <message>
        <source>Ан. вх. 5 Коэф.</source>
        <translation>AI 5 Gain</translation>
    </message>
    <message>
        <source>Ан. вх. 6 Знак</source>
        <translation>AI 6 Sign</translation>
    </message>
    <message>
        <source>Ан. вх. 7 Знак</source>
        <translation>AI 7 Sign</translation>
    </message>
    <message>
        <source>Ан. вх. 8 Знак</source>
        <translation>AI 8 Sign</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Смещ.</source>
        <translation>AI 1 Offset</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак</source>
        <translation>AI 1 Sign</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Коэф.</source>
        <translation>AI 1 Gain</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Смещ.</source>
        <translation>AI 2 Offset</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак</source>
        <translation>AI 2 Sign</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Коэф.</source>
        <translation>AI 2 Gain</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Смещ.</source>
        <translation>AI 3 Offset</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак</source>
        <translation>AI 3 Sign</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Коэф.</source>
        <translation>AI 3 Gain</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Смещ.</source>
        <translation>AI 4 Offset</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак</source>
        <translation>AI 4 Sign</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Коэф.</source>
        <translation>AI 4 Gain</translation>
    </message>
    <message>
        <source>Ан. вх. 5 Тип</source>
        <translation>AI 5 Type</translation>
    </message>
    <message>
        <source>Датчик температура фильтра</source>
        <translation>Filter temperature sensor</translation>
    </message>
    <message>
        <source>Интерфейс</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Ревизия ПО GUI</source>
        <translation>GUI SW revision</translation>
    </message>
    <message>
        <source>Ревизия ПО Core</source>
        <translation>Core SW revision</translation>
    </message>
    <message>
        <source>Единицы измерения</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>Уставка пуска максимум</source>
        <translation>Maximum start setpoint</translation>
    </message>
    <message>
        <source>Повышение загрузки для деактивации</source>
        <translation>Load rise to deactivate</translation>
    </message>
    <message>
        <source>Задержка активации</source>
        <translation>Activation delay</translation>
    </message>
    <message>
        <source>Текущее состояние режима прокачки газа</source>
        <translation>Gas purge mode state</translation>
    </message>
    <message>
        <source>Время начала работы на частоте прокачки</source>
        <translation>Purge frequency start time</translation>
    </message>
    <message>
        <source>Текущее количество циклов прокачки</source>
        <translation>Purge cycles done</translation>
    </message>
    <message>
        <source>Сохранённая уставка частоты</source>
        <translation>Saved frequency setpoint</translation>
    </message>
    <message>
        <source>Уставка активации режима</source>
        <translation>Mode activation setpoint</translation>
    </message>
    <message>
        <source>Режим &quot;мягкого&quot; пуска</source>
        <translation>&quot;Soft&quot; start mode</translation>
    </message>
    <message>
        <source>Адрес последней записи архива</source>
        <translation>Last log record address</translation>
    </message>
    <message>
        <source>Адрес первого регистра архива</source>
        <translation>Log first register address</translation>
    </message>
    <message>
        <source>Адрес последнего регистра архива</source>
        <translation>Log last register address</translation>
    </message>
    <message>
        <source>Счётчик записей в архиве</source>
        <translation>Log record count</translation>
    </message>
    <message>
        <source>Период записи ТМС первый час после останова</source>
        <translation>DHS log period, 1st hour after stop</translation>
    </message>
    <message>
        <source>Код ошибок архива ГДИ</source>
        <translation>Well test log error code</translation>
    </message>
    <message>
        <source>Источник</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Автовыбор источника</source>
        <translation>Source auto-select</translation>
    </message>
    <message>
        <source>Пересчитывать границы</source>
        <translation>Recalculate limits</translation>
    </message>
    <message>
        <source>Восстанавливать характеристику U/f</source>
        <translation>Restore U/f curve</translation>
    </message>
    <message>
        <source>Первый шаг</source>
        <translation>First step</translation>
    </message>
    <message>
        <source>Изменение тока для принятия решения</source>
        <translation>Current change for decision</translation>
    </message>
    <message>
        <source>Период усреднения тока</source>
        <translation>Current averaging period</translation>
    </message>
    <message>
        <source>Начало цикла после возврата характеристики U/f</source>
        <translation>Cycle start after U/f restore</translation>
    </message>
    <message>
        <source>Напряжение U</source>
        <translation>Voltage U</translation>
    </message>
    <message>
        <source>Напряжение V</source>
        <translation>Voltage V</translation>
    </message>
    <message>
        <source>Напряжение W</source>
        <translation>Voltage W</translation>
    </message>
    <message>
        <source>Напряжение</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Напряжение UV</source>
        <translation>Voltage UV</translation>
    </message>
    <message>
        <source>Напряжение VW</source>
        <translation>Voltage VW</translation>
    </message>
    <message>
        <source>Напряжение WU</source>
        <translation>Voltage WU</translation>
    </message>
    <message>
        <source>Ток фазы U</source>
        <translation>Phase U curr.</translation>
    </message>
    <message>
        <source>Ток фазы V</source>
        <translation>Phase V curr.</translation>
    </message>
    <message>
        <source>Ток фазы W</source>
        <translation>Phase W curr.</translation>
    </message>
    <message>
        <source>Активная мощн.</source>
        <translation>Active power</translation>
    </message>
    <message>
        <source>Полное сопротивление фазы</source>
        <translation>Phase impedance</translation>
    </message>
    <message>
        <source>Активное сопротивление фазы</source>
        <translation>Phase resistance</translation>
    </message>
    <message>
        <source>Погонная индуктивность кабеля на км</source>
        <translation>Cable inductance per km</translation>
    </message>
    <message>
        <source>Температура жидкости</source>
        <translation>Fluid temperature</translation>
    </message>
    <message>
        <source>ЭДС по модели</source>
        <translation>Model back-EMF</translation>
    </message>
    <message>
        <source>Формат вывода напряжения</source>
        <translation>Voltage display format</translation>
    </message>
    <message>
        <source>Сжать архив</source>
        <translation>Compress log</translation>
    </message>
    <message>
        <source>Состояние архива</source>
        <translation>Log state</translation>
    </message>
    <message>
        <source>Размер сжатого архива</source>
        <translation>Compressed log size</translation>
    </message>
    <message>
        <source>Минимум шкалы. Ось смещения</source>
        <translation>Scale minimum. Offset axis</translation>
    </message>
    <message>
        <source>Максимум шкалы. Ось смещения</source>
        <translation>Scale maximum. Offset axis</translation>
    </message>
    <message>
        <source>Уставка останова минимум. Ось смещения</source>
        <translation>Min. stop setpoint. Offset axis</translation>
    </message>
    <message>
        <source>Уставка останова максимум. Ось смещения</source>
        <translation>Max. stop setpoint. Offset axis</translation>
    </message>
    <message>
        <source>Уставка пуска минимум. Ось смещения</source>
        <translation>Min. start setpoint. Offset axis</translation>
    </message>
    <message>
        <source>Уставка пуска максимум. Ось смещения</source>
        <translation>Max. start setpoint. Offset axis</translation>
    </message>
    <message>
        <source>Минимальная яркость дисплея</source>
        <translation>Minimum display brightness</translation>
    </message>
    <message>
        <source>Максимальная яркость дисплея</source>
        <translation>Maximum display brightness</translation>
    </message>
    <message>
        <source>Заданны все необходимые параметры</source>
        <translation>All required parameters set</translation>
    </message>
    <message>
        <source>ЭДС по паспорту</source>
        <translation>Rated back-EMF</translation>
    </message>
    <message>
        <source>Отклонение ЭДС</source>
        <translation>Back-EMF deviation</translation>
    </message>
    <message>
        <source>Мощность короткого замыкания</source>
        <translation>Short-circuit power</translation>
    </message>
    <message>
        <source>Коэффициент корректировки турб. вращения</source>
        <translation>Turbine rotation correction</translation>
    </message>
    <message>
        <source>Положение датчика</source>
        <translation>Sensor position</translation>
    </message>
    <message>
        <source>Уставка останова по ЭДС</source>
        <translation>Back-EMF stop setpoint</translation>
    </message>
    <message>
        <source>Запуск после автоадаптации</source>
        <translation>Start after auto-adaptation</translation>
    </message>
    <message>
        <source>Время измерения тока</source>
        <translation>Current measuring time</translation>
    </message>
    <message>
        <source>Время контроля специальных алгоритмов</source>
        <translation>Special algorithms check time</translation>
    </message>
    <message>
        <source>Время начала выполнения восстановления загрукзи</source>
        <translation>Load recovery start time</translation>
    </message>
    <message>
        <source>Название входа</source>
        <translation>Input name</translation>
    </message>
    <message>
        <source>Цифровой вход 7</source>
        <translation>Digital input 7</translation>
    </message>
    <message>
        <source>Цифровой вход 8</source>
        <translation>Digital input 8</translation>
    </message>
    <message>
        <source>Цифровой вход 9</source>
        <translation>Digital input 9</translation>
    </message>
    <message>
        <source>Цифровой вход 10</source>
        <translation>Digital input 10</translation>
    </message>
    <message>
        <source>UUID ТМСН</source>
        <translation>DHS-D UUID</translation>
    </message>
    <message>
        <source>HASH ТМСН</source>
        <translation>DHS-D HASH</translation>
    </message>
    <message>
        <source>UUID ТМСП</source>
        <translation>DHS-S UUID</translation>
    </message>
    <message>
        <source>HASH ТМСП</source>
        <translation>DHS-S HASH</translation>
    </message>
    <message>
        <source>Данные автоадаптации</source>
        <translation>Auto-adaptation data</translation>
    </message>
    <message>
        <source>Заклинивание</source>
        <translation>Pump jamming</translation>
    </message>
    <message>
        <source>Фиксация недогруза</source>
        <translation>Underload detection</translation>
    </message>
    <message>
        <source>Выход из режима индикации</source>
        <translation>Exit display mode</translation>
    </message>
    <message>
        <source>Металл кабеля</source>
        <translation>Cable conductor</translation>
    </message>
    <message>
        <source>Коэффициент домножения для рассчётной отпайки</source>
        <translation>Multiplier for calculated tap</translation>
    </message>
    <message>
        <source>Параметр для расчёта индуктивности</source>
        <translation>Inductance calculation input</translation>
    </message>
    <message>
        <source>Нефтяная компания</source>
        <translation>Oil company</translation>
    </message>
    <message>
        <source>Кратность пускового момента</source>
        <translation>Starting torque ratio</translation>
    </message>
    <message>
        <source>Максимальная пусковая частота</source>
        <translation>Maximum starting frequency</translation>
    </message>
    <message>
        <source>Граничная частота</source>
        <translation>Corner frequency</translation>
    </message>
    <message>
        <source>Допустимый предел насыщения ТМПН</source>
        <translation>SUT saturation limit</translation>
    </message>
    <message>
        <source>Компенсация выходного напряжения ЧРП</source>
        <translation>VFD output voltage compensation</translation>
    </message>
    <message>
        <source>Пусковая частота</source>
        <translation>Starting frequency</translation>
    </message>
    <message>
        <source>Температура поверхности</source>
        <translation>Surface temperature</translation>
    </message>
    <message>
        <source>Активное сопротивление фазы фильтра</source>
        <translation>Filter phase resistance</translation>
    </message>
    <message>
        <source>Напряжение U4</source>
        <translation>Voltage U4</translation>
    </message>
    <message>
        <source>Частота f4</source>
        <translation>Frequency f4</translation>
    </message>
    <message>
        <source>Напряжение U2</source>
        <translation>Voltage U2</translation>
    </message>
    <message>
        <source>Напряжение U3</source>
        <translation>Voltage U3</translation>
    </message>
    <message>
        <source>Частота f3</source>
        <translation>Frequency f3</translation>
    </message>
    <message>
        <source>Подхват. Предыдущая частота подхвата</source>
        <translation>Flying start. Previous frequency</translation>
    </message>
    <message>
        <source>!Подхват.Разрешено попыток подхвата</source>
        <translation>!Flying start.Tries allowed</translation>
    </message>
    <message>
        <source>Постоянная времени перегрузки ПЧ</source>
        <translation>VFD overload time constant</translation>
    </message>
    <message>
        <source>Перегрузка (ЗП)</source>
        <translation>Overload (OL)</translation>
    </message>
    <message>
        <source>Синхронизация времени с NTP сервером</source>
        <translation>Time sync with NTP server</translation>
    </message>
    <message>
        <source>Период синхронизации времени с NTP сервером</source>
        <translation>NTP time sync period</translation>
    </message>
    <message>
        <source>Адрес NTP сервера</source>
        <translation>NTP server address</translation>
    </message>
    <message>
        <source>Снизьте пусковой момент</source>
        <translation>Reduce starting torque</translation>
    </message>
    <message>
        <source>Время отключения ВРХ</source>
        <translation>Controller power-off time</translation>
    </message>
    <message>
        <source>Время отключения GUI</source>
        <translation>GUI power-off time</translation>
    </message>
    <message>
        <source>Время отключения подсветки дисплея</source>
        <translation>Backlight off time</translation>
    </message>
    <message>
        <source>Причина предпоследнего отключения</source>
        <translation>Previous stop reason</translation>
    </message>
    <message>
        <source>Часовой пояс</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>Предел тока</source>
        <translation>Current limit</translation>
    </message>
    <message>
        <source>Автоматический переход на следующий параметр</source>
        <translation>Auto move to next parameter</translation>
    </message>
    <message>
        <source>Плотность нефти</source>
        <translation>Oil density</translation>
    </message>
    <message>
        <source>Плотность воды</source>
        <translation>Water density</translation>
    </message>
    <message>
        <source>Обводненность</source>
        <translation>Water cut</translation>
    </message>
    <message>
        <source>Глубина скважины до ИП</source>
        <translation>Depth to perforations</translation>
    </message>
    <message>
        <source>Искусственный забой</source>
        <translation>Plug-back depth</translation>
    </message>
    <message>
        <source>Удлинитель ЭК до ИЗ</source>
        <translation>Casing extension to PBTD</translation>
    </message>
    <message>
        <source>Диаметр НКТ</source>
        <translation>Tubing diameter</translation>
    </message>
    <message>
        <source>Толщина стенки НКТ</source>
        <translation>Tubing wall thickness</translation>
    </message>
    <message>
        <source>Диаметр ЭК</source>
        <translation>Casing diameter</translation>
    </message>
    <message>
        <source>Толщина стенки ЭК</source>
        <translation>Casing wall thickness</translation>
    </message>
    <message>
        <source>Динамический уровень</source>
        <translation>Dynamic fluid level</translation>
    </message>
    <message>
        <source>Устьевое давление</source>
        <translation>Wellhead pressure</translation>
    </message>
    <message>
        <source>Затрубное давление</source>
        <translation>Annulus pressure</translation>
    </message>
    <message>
        <source>Линейное давление</source>
        <translation>Flowline pressure</translation>
    </message>
    <message>
        <source>Разв. турб. вращ. зад. АПВ</source>
        <translation>Turb. rotation reverse restart delay</translation>
    </message>
    <message>
        <source>Номинальное скольжение</source>
        <translation>Rated slip</translation>
    </message>
    <message>
        <source>Подавление резонанса</source>
        <translation>Resonance damping</translation>
    </message>
    <message>
        <source>Время до конца работы на частоте F1</source>
        <translation>Time left at F1</translation>
    </message>
    <message>
        <source>Время до конца работы на частоте F2</source>
        <translation>Time left at F2</translation>
    </message>
    <message>
        <source>Отладочные сообщения телемеханики</source>
        <translation>Telemetry debug messages</translation>
    </message>
    <message>
        <source>Частота ШИМ</source>
        <translation>PWM frequency</translation>
    </message>
    <message>
        <source>Нижняя граница от номинального тока</source>
        <translation>Lower limit, % of rated current</translation>
    </message>
    <message>
        <source>Верхняя граница от номинального тока</source>
        <translation>Upper limit, % of rated current</translation>
    </message>
    <message>
        <source>Делитель шага подбора</source>
        <translation>Tuning step divider</translation>
    </message>
    <message>
        <source>Максимальное сопротивление статора</source>
        <translation>Maximum stator resistance</translation>
    </message>
    <message>
        <source>Минимальный шаг подбора</source>
        <translation>Minimum tuning step</translation>
    </message>
    <message>
        <source>Время усреднения сопротивления изоляции</source>
        <translation>Insulation resistance averaging time</translation>
    </message>
    <message>
        <source>Частота толчков обратная</source>
        <translation>Reverse pulse frequency</translation>
    </message>
    <message>
        <source>Уставка токоограничения</source>
        <translation>Current limit setpoint</translation>
    </message>
    <message>
        <source>Время толчка</source>
        <translation>Pulse time</translation>
    </message>
    <message>
        <source>Прокачка газа.Период подсчета циклов прокачки</source>
        <translation>Gas purge.Cycle count period</translation>
    </message>
    <message>
        <source>!Задержка на токоограничение</source>
        <translation>!Current limit delay</translation>
    </message>
    <message>
        <source>!Снижение рабочего тока</source>
        <translation>!Operating current reduction</translation>
    </message>
    <message>
        <source>Частота R</source>
        <translation>Frequency R</translation>
    </message>
    <message>
        <source>Частота L</source>
        <translation>Frequency L</translation>
    </message>
    <message>
        <source>Ток R</source>
        <translation>Current R</translation>
    </message>
    <message>
        <source>Ток L</source>
        <translation>Current L</translation>
    </message>
    <message>
        <source>Время разгона до номинал. частоты</source>
        <translation>Accel. time to rated frequency</translation>
    </message>
    <message>
        <source>Время торможения с номинал. частоты</source>
        <translation>Decel. time from rated frequency</translation>
    </message>
    <message>
        <source>Частота ЭДС</source>
        <translation>Back-EMF frequency</translation>
    </message>
    <message>
        <source>Граница изменения приращения напряжения</source>
        <translation>Voltage increment change limit</translation>
    </message>
    <message>
        <source>Шаг приращения ниже границы</source>
        <translation>Increment step below limit</translation>
    </message>
    <message>
        <source>Шаг приращения выше границы</source>
        <translation>Increment step above limit</translation>
    </message>
    <message>
        <source>Время измерения R</source>
        <translation>R measuring time</translation>
    </message>
    <message>
        <source>Время измерения L</source>
        <translation>L measuring time</translation>
    </message>
    <message>
        <source>Время измерения ЭДС</source>
        <translation>Back-EMF measuring time</translation>
    </message>
    <message>
        <source>Источник тока</source>
        <translation>Current source</translation>
    </message>
    <message>
        <source>Действие при подключении USB носителя</source>
        <translation>Action on USB drive plug-in</translation>
    </message>
    <message>
        <source>Коэффициент сглаживания момента</source>
        <translation>Torque smoothing factor</translation>
    </message>
    <message>
        <source>Период записи в останове</source>
        <translation>Log period, stopped</translation>
    </message>
    <message>
        <source>Источник входных напряжений</source>
        <translation>Input voltage source</translation>
    </message>
    <message>
        <source>Сигнализация отклонения рабочих параметров</source>
        <translation>Operating deviation alarm</translation>
    </message>
    <message>
        <source>Отображение форм модели работы</source>
        <translation>Show model screens</translation>
    </message>
    <message>
        <source>Использовать данные модели</source>
        <translation>Use model data</translation>
    </message>
    <message>
        <source>Угол PSI</source>
        <translation>PSI angle</translation>
    </message>
    <message>
        <source>!Перегруз (ЗП) Задержка АПВ</source>
        <translation>!Overload restart delay</translation>
    </message>
    <message>
        <source>Подхват.Частота ожидания</source>
        <translation>Flying start.Wait frequency</translation>
    </message>
    <message>
        <source>Подхват.Время работы на частоте ожидания</source>
        <translation>Flying start.Run time at wait freq.</translation>
    </message>
    <message>
        <source>Подхват.Время разгона до частоты ожидания</source>
        <translation>Flying start.Accel. to wait freq.</translation>
    </message>
    <message>
        <source>Подхват.Время торможения с частоты ожидания</source>
        <translation>Flying start.Decel. from wait freq.</translation>
    </message>
    <message>
        <source>Толчковый.Частота толчков</source>
        <translation>Pulse.Pulse frequency</translation>
    </message>
    <message>
        <source>Толчковый.Время толчков</source>
        <translation>Pulse.Pulse time</translation>
    </message>
    <message>
        <source>Толчковый.Время между толчками</source>
        <translation>Pulse.Time between pulses</translation>
    </message>
    <message>
        <source>Толчковый.Количество толчков</source>
        <translation>Pulse.Number of pulses</translation>
    </message>
    <message>
        <source>Толчковый.Напряжение толчков</source>
        <translation>Pulse.Pulse voltage</translation>
    </message>
    <message>
        <source>Раскачка.Частота прямая</source>
        <translation>Rocking.Forward frequency</translation>
    </message>
    <message>
        <source>Раскачка.Частота обратная</source>
        <translation>Rocking.Reverse frequency</translation>
    </message>
    <message>
        <source>Раскачка.Время раскачки</source>
        <translation>Rocking.Rocking time</translation>
    </message>
    <message>
        <source>Раскачка.Время разгона</source>
        <translation>Rocking.Accel. time</translation>
    </message>
    <message>
        <source>Раскачка.Время торможения</source>
        <translation>Rocking.Decel. time</translation>
    </message>
    <message>
        <source>Раскачка.Количество циклов</source>
        <translation>Rocking.Number of cycles</translation>
    </message>
    <message>
        <source>Раскачка.Напряжение раскачки</source>
        <translation>Rocking.Rocking voltage</translation>
    </message>
    <message>
        <source>Verodedo.Прокачка газа</source>
        <translation>Verodedo.Gas purge</translation>
    </message>
    <message>
        <source>Прокачка газа.Частота нижняя</source>
        <translation>Gas purge.Low frequency</translation>
    </message>
    <message>
        <source>Прокачка газа.Частота верхняя</source>
        <translation>Gas purge.High frequency</translation>
    </message>
    <message>
        <source>Прокачка газа.Максимальное число циклов</source>
        <translation>Gas purge.Maximum cycles</translation>
    </message>
    <message>
        <source>Прокачка газа.Порог отключения</source>
        <translation>Gas purge.Trip threshold</translation>
    </message>
    <message>
        <source>Прокачка газа.Время</source>
        <translation>Gas purge.Time</translation>
    </message>
    <message>
        <source>Прокачка газа.Время фиксации недогруза</source>
        <translation>Gas purge.Underload detect time</translation>
    </message>
    <message>
        <source>Снижение напряжение</source>
        <translation>Voltage reduction</translation>
    </message>
    <message>
        <source>Шаги возврата напряжения</source>
        <translation>Voltage return steps</translation>
    </message>
    <message>
        <source>Частота возврата напряжения</source>
        <translation>Voltage return frequency</translation>
    </message>
    <message>
        <source>Подхват.Время разгона после разворота</source>
        <translation>Flying start.Accel. after reversal</translation>
    </message>
    <message>
        <source>Тип выхода</source>
        <translation>Output type</translation>
    </message>
    <message>
        <source>Ан. вых. 1</source>
        <translation>AO 1</translation>
    </message>
    <message>
        <source>Ан. вых. 2</source>
        <translation>AO 2</translation>
    </message>
    <message>
        <source>Ан. вых. 3</source>
        <translation>AO 3</translation>
    </message>
    <message>
        <source>Ан. вых. 4</source>
        <translation>AO 4</translation>
    </message>
    <message>
        <source>Действие режима при холостом ходе</source>
        <translation>Mode action at no load</translation>
    </message>
    <message>
        <source>Уставка загрузки холостого хода</source>
        <translation>No-load load setpoint</translation>
    </message>
    <message>
        <source>Знак температуры прогрева</source>
        <translation>Warm-up temperature sign</translation>
    </message>
    <message>
        <source>Тестовый режим контроллера ПЧ</source>
        <translation>VFD controller test mode</translation>
    </message>
    <message>
        <source>Тепловая защита реактора</source>
        <translation>Reactor thermal protection</translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Разрешено АПВ</source>
        <translation>Underload restarts allowed</translation>
    </message>
    <message>
        <source>Релейный выход 4 Температура включения</source>
        <translation>Relay output 4 on temperature</translation>
    </message>
    <message>
        <source>Релейный выход 4 Температура отключения</source>
        <translation>Relay output 4 off temperature</translation>
    </message>
    <message>
        <source>Мощность двигателя</source>
        <translation>Motor power</translation>
    </message>
    <message>
        <source>Не учитывать коэффициентов мощности</source>
        <translation>Ignore power factor</translation>
    </message>
    <message>
        <source>Значение cos при холостом ходе</source>
        <translation>No-load cos value</translation>
    </message>
    <message>
        <source>Имя ЦДНГ</source>
        <translation>Field unit name</translation>
    </message>
    <message>
        <source>Имя куста</source>
        <translation>Pad name</translation>
    </message>
    <message>
        <source>Имя скважины</source>
        <translation>Well name</translation>
    </message>
    <message>
        <source>Использовать имя скважины/куста/месторождения</source>
        <translation>Use well/pad/field names</translation>
    </message>
    <message>
        <source>Задержка на чтение после записи</source>
        <translation>Read delay after write</translation>
    </message>
    <message>
        <source>Уставка тока холостого хода</source>
        <translation>No-load current setpoint</translation>
    </message>
    <message>
        <source>Меню технолога</source>
        <translation>Engineer menu</translation>
    </message>
    <message>
        <source>Параметр 1</source>
        <translation>Parameter 1</translation>
    </message>
    <message>
        <source>Параметр 2</source>
        <translation>Parameter 2</translation>
    </message>
    <message>
        <source>Параметр 3</source>
        <translation>Parameter 3</translation>
    </message>
    <message>
        <source>Параметр 4</source>
        <translation>Parameter 4</translation>
    </message>
    <message>
        <source>Параметр 5</source>
        <translation>Parameter 5</translation>
    </message>
    <message>
        <source>Параметр 6</source>
        <translation>Parameter 6</translation>
    </message>
    <message>
        <source>Параметр 7</source>
        <translation>Parameter 7</translation>
    </message>
    <message>
        <source>Параметр 8</source>
        <translation>Parameter 8</translation>
    </message>
    <message>
        <source>Параметр 9</source>
        <translation>Parameter 9</translation>
    </message>
    <message>
        <source>Параметр 10</source>
        <translation>Parameter 10</translation>
    </message>
    <message>
        <source>Параметр 11</source>
        <translation>Parameter 11</translation>
    </message>
    <message>
        <source>Параметр 12</source>
        <translation>Parameter 12</translation>
    </message>
    <message>
        <source>Параметр 13</source>
        <translation>Parameter 13</translation>
    </message>
    <message>
        <source>Параметр 14</source>
        <translation>Parameter 14</translation>
    </message>
    <message>
        <source>Параметр 15</source>
        <translation>Parameter 15</translation>
    </message>
    <message>
        <source>Использовать настройки из меню при холостом ходе</source>
        <translation>Use menu settings at no load</translation>
    </message>
    <message>
        <source>Тип регулирования</source>
        <translation>Control type</translation>
    </message>
    <message>
        <source>Уставка включения контактора входного фильтра</source>
        <translation>Input filter contactor on setpoint</translation>
    </message>
    <message>
        <source>Уставка выключения контактора входного фильтра</source>
        <translation>Input filter contactor off setpoint</translation>
    </message>
    <message>
        <source>Счётчик сбросов</source>
        <translation>Reset count</translation>
    </message>
    <message>
        <source>Время между контролем</source>
        <translation>Check interval</translation>
    </message>
    <message>
        <source>Количество ошибок контроля</source>
        <translation>Check errors</translation>
    </message>
    <message>
        <source>Индуктивность двигателя по оси D</source>
        <translation>Motor d-axis inductance</translation>
    </message>
    <message>
        <source>Индуктивность двигателя по оси Q</source>
        <translation>Motor q-axis inductance</translation>
    </message>
    <message>
        <source>Количество шагов снижения напряжения до 0</source>
        <translation>Voltage-to-zero steps</translation>
    </message>
    <message>
        <source>Время цикла</source>
        <translation>Cycle time</translation>
    </message>
    <message>
        <source>Минимальное давление</source>
        <translation>Minimum pressure</translation>
    </message>
    <message>
        <source>Сохранить значения уставок?</source>
        <translation>Save the settings?</translation>
    </message>
    <message>
        <source>Ожидание ответа</source>
        <translation>Reply timeout</translation>
    </message>
    <message>
        <source>Повторы</source>
        <translation>Retries</translation>
    </message>
    <message>
        <source>Номер канала</source>
        <translation>Channel number</translation>
    </message>
    <message>
        <source>Время контроля потери связи</source>
        <translation>Link loss check time</translation>
    </message>
    <message>
        <source>Количество потерь связи</source>
        <translation>Link losses</translation>
    </message>
    <message>
        <source>Время тишины</source>
        <translation>Silence time</translation>
    </message>
    <message>
        <source>Ошибки Flash ЧРП</source>
        <translation>VFD flash errors</translation>
    </message>
    <message>
        <source>Время F2</source>
        <translation>Time F2</translation>
    </message>
    <message>
        <source>Время F - F1</source>
        <translation>Time F - F1</translation>
    </message>
    <message>
        <source>Время F1 - F2</source>
        <translation>Time F1 - F2</translation>
    </message>
    <message>
        <source>Время F2 - F</source>
        <translation>Time F2 - F</translation>
    </message>
    <message>
        <source>Расширенные настройки</source>
        <translation>Advanced settings</translation>
    </message>
    <message>
        <source>Время изменения частоты</source>
        <translation>Frequency change time</translation>
    </message>
    <message>
        <source>Повышение тока для деактивации</source>
        <translation>Current rise to deactivate</translation>
    </message>
    <message>
        <source>Использовать уставку недогруза</source>
        <translation>Use underload setpoint</translation>
    </message>
    <message>
        <source>Анализ загрузки после каждого цикла</source>
        <translation>Load check after each cycle</translation>
    </message>
    <message>
        <source>Релейный выход 5</source>
        <translation>Relay output 5</translation>
    </message>
    <message>
        <source>Релейный выход 6</source>
        <translation>Relay output 6</translation>
    </message>
    <message>
        <source>Релейный выход 7</source>
        <translation>Relay output 7</translation>
    </message>
    <message>
        <source>Релейный выход 8</source>
        <translation>Relay output 8</translation>
    </message>
    <message>
        <source>Релейный выход 9</source>
        <translation>Relay output 9</translation>
    </message>
    <message>
        <source>Релейный выход 10</source>
        <translation>Relay output 10</translation>
    </message>
    <message>
        <source>Релейный выход 11</source>
        <translation>Relay output 11</translation>
    </message>
    <message>
        <source>Релейный выход 12</source>
        <translation>Relay output 12</translation>
    </message>
    <message>
        <source>Время задержки срабатывания</source>
        <translation>Trip delay time</translation>
    </message>
    <message>
        <source>Время удержания реле</source>
        <translation>Relay hold time</translation>
    </message>
    <message>
        <source>Цифр. вх. 13</source>
        <translation>DI 13</translation>
    </message>
    <message>
        <source>Цифр. вх. 14</source>
        <translation>DI 14</translation>
    </message>
    <message>
        <source>Цифр. вх. 15</source>
        <translation>DI 15</translation>
    </message>
    <message>
        <source>Цифр. вх. 16</source>
        <translation>DI 16</translation>
    </message>
    <message>
        <source>Цифр. вх. 17</source>
        <translation>DI 17</translation>
    </message>
    <message>
        <source>Цифр. вх. 18</source>
        <translation>DI 18</translation>
    </message>
    <message>
        <source>Цифр. вх. 19</source>
        <translation>DI 19</translation>
    </message>
    <message>
        <source>Цифр. вх. 20</source>
        <translation>DI 20</translation>
    </message>
    <message>
        <source>Цифр. вх. 21</source>
        <translation>DI 21</translation>
    </message>
    <message>
        <source>Цифр. вх. 22</source>
        <translation>DI 22</translation>
    </message>
    <message>
        <source>Цифр. вх. 23</source>
        <translation>DI 23</translation>
    </message>
    <message>
        <source>Цифр. вх. 24</source>
        <translation>DI 24</translation>
    </message>
    <message>
        <source>Учитывать дату изготовления СУ</source>
        <translation>Use station mfg. date</translation>
    </message>
    <message>
        <source>Блокирововать кнопку Start</source>
        <translation>Lock the Start button</translation>
    </message>
    <message>
        <source>Шлюз</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Уставки останова двигателя</source>
        <translation>Motor stop setpoints</translation>
    </message>
    <message>
        <source>Время увеличения частоты</source>
        <translation>Frequency rise time</translation>
    </message>
    <message>
        <source>Время уменьшения частоты</source>
        <translation>Frequency fall time</translation>
    </message>
    <message>
        <source>Шаг изменения частоты</source>
        <translation>Frequency step</translation>
    </message>
    <message>
        <source>Тип калибровки</source>
        <translation>Calibration type</translation>
    </message>
    <message>
        <source>Запуск и останов по SCADA в ручном режиме работы</source>
        <translation>SCADA start and stop in manual mode</translation>
    </message>
    <message>
        <source>Время максимум</source>
        <translation>Maximum time</translation>
    </message>
    <message>
        <source>Действие защиты максимум</source>
        <translation>Maximum protection action</translation>
    </message>
    <message>
        <source>Задержка АПВ максимум</source>
        <translation>Maximum restart delay</translation>
    </message>
    <message>
        <source>Вых. частота</source>
        <translation>Output freq.</translation>
    </message>
    <message>
        <source>Вых. напряж.</source>
        <translation>Output voltage</translation>
    </message>
    <message>
        <source>Тип управления</source>
        <translation>Control method</translation>
    </message>
    <message>
        <source>Напр.вращения</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Ток DC</source>
        <translation>DC current</translation>
    </message>
    <message>
        <source>Напряжение DC</source>
        <translation>DC voltage</translation>
    </message>
    <message>
        <source>Полная мощн.</source>
        <translation>Apparent power</translation>
    </message>
    <message>
        <source>Номинальная мощность ПЭД</source>
        <translation>Motor rated power</translation>
    </message>
    <message>
        <source>Номинальное напряжение ПЭД</source>
        <translation>Motor rated voltage</translation>
    </message>
    <message>
        <source>Номинальный ток ПЭД</source>
        <translation>Motor rated current</translation>
    </message>
    <message>
        <source>Номинальная скорость ПЭД</source>
        <translation>Motor rated speed</translation>
    </message>
    <message>
        <source>Номинальная частота ПЭД</source>
        <translation>Motor rated frequency</translation>
    </message>
    <message>
        <source>Номинальный коэффициент мощности ПЭД</source>
        <translation>Motor rated power factor</translation>
    </message>
    <message>
        <source>Индуктивность по оси d</source>
        <translation>d-axis inductance</translation>
    </message>
    <message>
        <source>Напряжение холостого хода ПЭД</source>
        <translation>Motor no-load voltage</translation>
    </message>
    <message>
        <source>Количество пар полюсов ПЭД</source>
        <translation>Motor pole pairs</translation>
    </message>
    <message>
        <source>Время торможен.</source>
        <translation>Decel. time</translation>
    </message>
    <message>
        <source>Характеристика U/f</source>
        <translation>U/f curve</translation>
    </message>
    <message>
        <source>U1</source>
        <translation>U1</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>U2</source>
        <translation>U2</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>U3</source>
        <translation>U3</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>U4</source>
        <translation>U4</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>U5</source>
        <translation>U5</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>U6</source>
        <translation>U6</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>Постоянная времени усреднения тока</source>
        <translation>Current averaging time constant</translation>
    </message>
    <message>
        <source>Коэффициент отображения тока</source>
        <translation>Current display factor</translation>
    </message>
    <message>
        <source>Конфигурация разъема платы расширения</source>
        <translation>Extension board connector setup</translation>
    </message>
    <message>
        <source>Статус индикатора</source>
        <translation>Indicator status</translation>
    </message>
    <message>
        <source>Состояние дискретных выходов</source>
        <translation>Digital outputs state</translation>
    </message>
    <message>
        <source>Состояние дискретных входов</source>
        <translation>Digital inputs state</translation>
    </message>
    <message>
        <source>Маска включения выходов</source>
        <translation>Outputs on mask</translation>
    </message>
    <message>
        <source>Маска выключения выходов</source>
        <translation>Outputs off mask</translation>
    </message>
    <message>
        <source>Температура включения вентилятора</source>
        <translation>Fan on temperature</translation>
    </message>
    <message>
        <source>Температура выключения вентилятора</source>
        <translation>Fan off temperature</translation>
    </message>
    <message>
        <source>Период проверки температуры вентилятора</source>
        <translation>Fan temperature check period</translation>
    </message>
    <message>
        <source>Измерение мощности</source>
        <translation>Power measurement</translation>
    </message>
    <message>
        <source>Частота удержания</source>
        <translation>Hold frequency</translation>
    </message>
    <message>
        <source>Темп снижения частоты при токоограничении</source>
        <translation>Freq. fall rate at current limit</translation>
    </message>
    <message>
        <source>Темп снижения частоты при нехватке напряжения</source>
        <translation>Freq. fall rate at low voltage</translation>
    </message>
    <message>
        <source>Тип текущего регулятора</source>
        <translation>Active controller type</translation>
    </message>
    <message>
        <source>Напряжение форсировки</source>
        <translation>Boost voltage</translation>
    </message>
    <message>
        <source>Частота форсировки</source>
        <translation>Boost frequency</translation>
    </message>
    <message>
        <source>Компенсации нагрузки</source>
        <translation>Load compensation</translation>
    </message>
    <message>
        <source>Пропорциональный коэффициент частотного контура</source>
        <translation>Frequency loop proportional gain</translation>
    </message>
    <message>
        <source>Интегральный коэффициент частотного контура</source>
        <translation>Frequency loop integral gain</translation>
    </message>
    <message>
        <source>Коэффициент перехода с вектора на U/f</source>
        <translation>Vector to U/f transition factor</translation>
    </message>
    <message>
        <source>Суммарная индуктивность на выходе ЧРП (128)</source>
        <translation>Total VFD output inductance (128)</translation>
    </message>
    <message>
        <source>Интегральный коэффициент фазового контура</source>
        <translation>Phase loop integral gain</translation>
    </message>
    <message>
        <source>Очередь регуляторов 1</source>
        <translation>Controller queue 1</translation>
    </message>
    <message>
        <source>Очередь регуляторов 2</source>
        <translation>Controller queue 2</translation>
    </message>
    <message>
        <source>Очередь регуляторов 3</source>
        <translation>Controller queue 3</translation>
    </message>
    <message>
        <source>Компенсация выходного напряжения по амплитуде</source>
        <translation>Output voltage amplitude compensation</translation>
    </message>
    <message>
        <source>Компенсация фазы выходного напряжения</source>
        <translation>Output voltage phase compensation</translation>
    </message>
    <message>
        <source>Т1 тиристора дравера 1</source>
        <translation>T1 thyristor driver 1</translation>
    </message>
    <message>
        <source>Максимальное напряжение DC</source>
        <translation>Maximum DC voltage</translation>
    </message>
    <message>
        <source>Т2 тиристора дравера 1</source>
        <translation>T2 thyristor driver 1</translation>
    </message>
    <message>
        <source>Пусковая частота ВПЭД</source>
        <translation>PM motor starting frequency</translation>
    </message>
    <message>
        <source>Пропорциональный коэффициент фазового контура</source>
        <translation>Phase loop proportional gain</translation>
    </message>
    <message>
        <source>Пропорциональный коэффициент подавления резонанса</source>
        <translation>Resonance damping proportional gain</translation>
    </message>
    <message>
        <source>Начальная частота подавления резонанса</source>
        <translation>Resonance damping start frequency</translation>
    </message>
    <message>
        <source>Фаза выходного тока B</source>
        <translation>Output current phase B</translation>
    </message>
    <message>
        <source>Фаза выходного тока C</source>
        <translation>Output current phase C</translation>
    </message>
    <message>
        <source>Напряжение окончания разряда</source>
        <translation>Discharge end voltage</translation>
    </message>
    <message>
        <source>Частота подхвата</source>
        <translation>Flying start frequency</translation>
    </message>
    <message>
        <source>Измерительный ток автонастройки</source>
        <translation>Auto-tuning test current</translation>
    </message>
    <message>
        <source>Измерительное напряжение автонастройки</source>
        <translation>Auto-tuning test voltage</translation>
    </message>
    <message>
        <source>Режим встряхивания</source>
        <translation>Shaking mode</translation>
    </message>
    <message>
        <source>Фаза выходного тока A</source>
        <translation>Output current phase A</translation>
    </message>
    <message>
        <source>Фаза тока</source>
        <translation>Current phase</translation>
    </message>
    <message>
        <source>Выходной ток ПЧ</source>
        <translation>VFD output current</translation>
    </message>
    <message>
        <source>Перегруз двигателя в ЧРП</source>
        <translation>Motor overload in VFD</translation>
    </message>
    <message>
        <source>Постоянная времени тепловой защиты двигателя</source>
        <translation>Motor thermal protection time constant</translation>
    </message>
    <message>
        <source>Угол фиксации вектора в режиме OVERPWM2</source>
        <translation>Vector lock angle in OVERPWM2</translation>
    </message>
    <message>
        <source>Постоянная времени режима OVERPWM</source>
        <translation>OVERPWM time constant</translation>
    </message>
    <message>
        <source>Напряжение подхвата</source>
        <translation>Flying start voltage</translation>
    </message>
    <message>
        <source>Номинальный ток ЧРП</source>
        <translation>VFD rated current</translation>
    </message>
    <message>
        <source>Постоянная времени перегрузки ЧРП</source>
        <translation>VFD overload time constant</translation>
    </message>
    <message>
        <source>Ограничение тока для импульсов</source>
        <translation>Pulse current limit</translation>
    </message>
    <message>
        <source>Время импульса с общим (максимальным) токоограничением</source>
        <translation>Pulse time at total (max) current limit</translation>
    </message>
    <message>
        <source>Масштаб измерения напряжения</source>
        <translation>Voltage measurement scale</translation>
    </message>
    <message>
        <source>Масштаб измерения тока</source>
        <translation>Current measurement scale</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 0 драйвера 1</source>
        <translation>Phase 0 temp. delta, driver 1</translation>
    </message>
    <message>
        <source>Пусковое время по перегрузу двигателя</source>
        <translation>Motor overload start time</translation>
    </message>
    <message>
        <source>Режим конфигурирования</source>
        <translation>Configuration mode</translation>
    </message>
    <message>
        <source>Время торм. с номинал. частоты</source>
        <translation>Decel. time from rated freq.</translation>
    </message>
    <message>
        <source>Сопротивление статора</source>
        <translation>Stator resistance</translation>
    </message>
    <message>
        <source>U7</source>
        <translation>U7</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>Постоянная времени системы подавления резонанса</source>
        <translation>Resonance damping time constant</translation>
    </message>
    <message>
        <source>Минимальный ток при низкой скорости</source>
        <translation>Minimum current at low speed</translation>
    </message>
    <message>
        <source>Режим пуска вентильного двигателя</source>
        <translation>PM motor start mode</translation>
    </message>
    <message>
        <source>Задержка запуска</source>
        <translation>Start delay</translation>
    </message>
    <message>
        <source>Функция при остановке</source>
        <translation>Function at stop</translation>
    </message>
    <message>
        <source>Длительность действия тока (2-07)</source>
        <translation>Current duration (2-07)</translation>
    </message>
    <message>
        <source>Ограничение момента</source>
        <translation>Torque limit</translation>
    </message>
    <message>
        <source>Предел тока двигателя (4-18)</source>
        <translation>Motor current limit (4-18)</translation>
    </message>
    <message>
        <source>Максимальная выходная частота</source>
        <translation>Maximum output frequency</translation>
    </message>
    <message>
        <source>Минимальная скорость</source>
        <translation>Minimum speed</translation>
    </message>
    <message>
        <source>Сброс настроек компараторов</source>
        <translation>Comparator settings reset</translation>
    </message>
    <message>
        <source>Сверхмодуляция</source>
        <translation>Overmodulation</translation>
    </message>
    <message>
        <source>Минимальное напряжение DC</source>
        <translation>Minimum DC voltage</translation>
    </message>
    <message>
        <source>Режим сброса</source>
        <translation>Reset mode</translation>
    </message>
    <message>
        <source>Время автоматического перезапуск</source>
        <translation>Automatic restart time</translation>
    </message>
    <message>
        <source>Задержка перед выключение при пределе моменте</source>
        <translation>Trip delay at torque limit</translation>
    </message>
    <message>
        <source>Время фильтра регулятора предела по току</source>
        <translation>Current limit controller filter time</translation>
    </message>
    <message>
        <source>Компенсация напряжения постоянного тока</source>
        <translation>DC voltage compensation</translation>
    </message>
    <message>
        <source>Управление вентилятором</source>
        <translation>Fan control</translation>
    </message>
    <message>
        <source>Т1 фазы 0 драйвера 1</source>
        <translation>T1 phase 0 driver 1</translation>
    </message>
    <message>
        <source>Т2 фазы 0 драйвера 1</source>
        <translation>T2 phase 0 driver 1</translation>
    </message>
    <message>
        <source>Выходной ток</source>
        <translation>Output current</translation>
    </message>
    <message>
        <source>Tемпер. платы</source>
        <translation>Board temp.</translation>
    </message>
    <message>
        <source>Т3 фазы 0 драйвера 1</source>
        <translation>T3 phase 0 driver 1</translation>
    </message>
    <message>
        <source>Т4 фазы 0 драйвера 1</source>
        <translation>T4 phase 0 driver 1</translation>
    </message>
    <message>
        <source>Т1 фазы 1 драйвера 1</source>
        <translation>T1 phase 1 driver 1</translation>
    </message>
    <message>
        <source>Т2 фазы 1 драйвера 1</source>
        <translation>T2 phase 1 driver 1</translation>
    </message>
    <message>
        <source>Т3 фазы 1 драйвера 1</source>
        <translation>T3 phase 1 driver 1</translation>
    </message>
    <message>
        <source>Время применения высокого пускового момента</source>
        <translation>High starting torque time</translation>
    </message>
    <message>
        <source>Пусковой ток в % от номинального</source>
        <translation>Starting current, % of rated</translation>
    </message>
    <message>
        <source>Защита от блокировки ротора</source>
        <translation>Locked rotor protection</translation>
    </message>
    <message>
        <source>Время определения блокировки ротора</source>
        <translation>Locked rotor detection time</translation>
    </message>
    <message>
        <source>Темп набора частоты</source>
        <translation>Frequency ramp-up rate</translation>
    </message>
    <message>
        <source>Темп снижения частоты</source>
        <translation>Frequency ramp-down rate</translation>
    </message>
    <message>
        <source>Tемпер. igbt 2</source>
        <translation>IGBT 2 temp.</translation>
    </message>
    <message>
        <source>Tемпер. тирист.</source>
        <translation>Thyristor temp.</translation>
    </message>
    <message>
        <source>Коэф.МТЗ мотор</source>
        <translation>Motor overcurrent factor</translation>
    </message>
    <message>
        <source>Коэфф.коррек.напряж.Uab</source>
        <translation>Volt. corr. factor Uab</translation>
    </message>
    <message>
        <source>Коэфф.коррек.напряж.Ubс</source>
        <translation>Volt. corr. factor Ubc</translation>
    </message>
    <message>
        <source>Коэфф.коррек.напряж.Uca</source>
        <translation>Volt. corr. factor Uca</translation>
    </message>
    <message>
        <source>Коэфф.коррек.напряж.Udc</source>
        <translation>Volt. corr. factor Udc</translation>
    </message>
    <message>
        <source>Коэфф.коррек.тока Idc</source>
        <translation>Curr. corr. factor Idc</translation>
    </message>
    <message>
        <source>Коэфф.коррек.показ.напряж.Uвых</source>
        <translation>Display volt. corr. factor Uout</translation>
    </message>
    <message>
        <source>Коэфф.коррек.напряж.Uвых</source>
        <translation>Volt. corr. factor Uout</translation>
    </message>
    <message>
        <source>Напряж.отпайки</source>
        <translation>Tap voltage</translation>
    </message>
    <message>
        <source>Быстрый останов</source>
        <translation>Quick stop</translation>
    </message>
    <message>
        <source>Сброс аварии</source>
        <translation>Fault reset</translation>
    </message>
    <message>
        <source>Запуск</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Останов</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Предельная рабочая частота</source>
        <translation>Operating frequency limit</translation>
    </message>
    <message>
        <source>Омическое сопротивление фазы</source>
        <translation>Phase ohmic resistance</translation>
    </message>
    <message>
        <source>Нижний предел регулирования для ВД</source>
        <translation>PM motor lower control limit</translation>
    </message>
    <message>
        <source>Верхний предел регулирования для ВД</source>
        <translation>PM motor upper control limit</translation>
    </message>
    <message>
        <source>Темп защиты от срыва синхронизации для ВД</source>
        <translation>PM motor pull-out protection rate</translation>
    </message>
    <message>
        <source>Максимальный угол положения ротора для ВД</source>
        <translation>PM motor max rotor angle</translation>
    </message>
    <message>
        <source>Стабилизация выходного напряжения</source>
        <translation>Output voltage stabilization</translation>
    </message>
    <message>
        <source>Сдвиг контроллера</source>
        <translation>Controller shift</translation>
    </message>
    <message>
        <source>Сдвиг ТМПН</source>
        <translation>SUT shift</translation>
    </message>
    <message>
        <source>Тип торможения</source>
        <translation>Stop type</translation>
    </message>
    <message>
        <source>Максимальная доб. верхнего предела для ВД</source>
        <translation>PM motor max upper limit add-on</translation>
    </message>
    <message>
        <source>Напряжение входное линейное Uab</source>
        <translation>Input line voltage Uab</translation>
    </message>
    <message>
        <source>Напряжение входное линейное Ubc</source>
        <translation>Input line voltage Ubc</translation>
    </message>
    <message>
        <source>Напряжение входное линейное Uca</source>
        <translation>Input line voltage Uca</translation>
    </message>
    <message>
        <source>Коэф. коррекции тока Iu</source>
        <translation>Current corr. factor Iu</translation>
    </message>
    <message>
        <source>Коэф. коррекции тока Iv</source>
        <translation>Current corr. factor Iv</translation>
    </message>
    <message>
        <source>Коэф. коррекции тока Iw</source>
        <translation>Current corr. factor Iw</translation>
    </message>
    <message>
        <source>Коэф.мощности в ЧРП</source>
        <translation>Power factor in VFD</translation>
    </message>
    <message>
        <source>Температура выходного фильтра</source>
        <translation>Output filter temperature</translation>
    </message>
    <message>
        <source>Температура выходного фильтра 2</source>
        <translation>Output filter temperature 2</translation>
    </message>
    <message>
        <source>Источник U/f</source>
        <translation>U/f source</translation>
    </message>
    <message>
        <source>Необходимое напряжение отпайки</source>
        <translation>Required tap voltage</translation>
    </message>
    <message>
        <source>Номинальная частота двигателя</source>
        <translation>Motor rated frequency</translation>
    </message>
    <message>
        <source>Номинальное напряжение двигателя</source>
        <translation>Motor rated voltage</translation>
    </message>
    <message>
        <source>Температура пласта</source>
        <translation>Reservoir temperature</translation>
    </message>
    <message>
        <source>Таймаут командного слова</source>
        <translation>Command word timeout</translation>
    </message>
    <message>
        <source>Максимально допустимое отклонение частоты векторного режима</source>
        <translation>Max vector mode frequency deviation</translation>
    </message>
    <message>
        <source>Интегральный коэффициент подавления резонанса</source>
        <translation>Resonance damping integral gain</translation>
    </message>
    <message>
        <source>Вых. Мгновенная мощность</source>
        <translation>Output instant power</translation>
    </message>
    <message>
        <source>Мгн. момент</source>
        <translation>Inst. torque</translation>
    </message>
    <message>
        <source>I1</source>
        <translation>I1</translation>
    </message>
    <message>
        <source>I2</source>
        <translation>I2</translation>
    </message>
    <message>
        <source>I3</source>
        <translation>I3</translation>
    </message>
    <message>
        <source>I4</source>
        <translation>I4</translation>
    </message>
    <message>
        <source>I5</source>
        <translation>I5</translation>
    </message>
    <message>
        <source>I6</source>
        <translation>I6</translation>
    </message>
    <message>
        <source>I7</source>
        <translation>I7</translation>
    </message>
    <message>
        <source>Режим модуляции</source>
        <translation>Modulation mode</translation>
    </message>
    <message>
        <source>Тип подавления резонанса</source>
        <translation>Resonance damping type</translation>
    </message>
    <message>
        <source>Т1 тиристора драйвера 0</source>
        <translation>T1 thyristor driver 0</translation>
    </message>
    <message>
        <source>Т2 тиристора драйвера 0</source>
        <translation>T2 thyristor driver 0</translation>
    </message>
    <message>
        <source>Т1 платы измерений</source>
        <translation>T1 measuring board</translation>
    </message>
    <message>
        <source>Т2 платы измерений</source>
        <translation>T2 measuring board</translation>
    </message>
    <message>
        <source>Т3 платы измерений</source>
        <translation>T3 measuring board</translation>
    </message>
    <message>
        <source>Т воздуха драйвера 0</source>
        <translation>Air T driver 0</translation>
    </message>
    <message>
        <source>Т1 фазы 0 драйвера 0</source>
        <translation>T1 phase 0 driver 0</translation>
    </message>
    <message>
        <source>Т воздуха драйвера 1</source>
        <translation>Air T driver 1</translation>
    </message>
    <message>
        <source>Т1 фазы 1 драйвера 0</source>
        <translation>T1 phase 1 driver 0</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 1 драйвера 1</source>
        <translation>Phase 1 temp. delta, driver 1</translation>
    </message>
    <message>
        <source>Т1 фазы 2 драйвера 0</source>
        <translation>T1 phase 2 driver 0</translation>
    </message>
    <message>
        <source>Т2 фазы 0 драйвера 0</source>
        <translation>T2 phase 0 driver 0</translation>
    </message>
    <message>
        <source>Т2 фазы 1 драйвера 0</source>
        <translation>T2 phase 1 driver 0</translation>
    </message>
    <message>
        <source>Т2 фазы 2 драйвера 0</source>
        <translation>T2 phase 2 driver 0</translation>
    </message>
    <message>
        <source>Т3 фазы 0 драйвера 0</source>
        <translation>T3 phase 0 driver 0</translation>
    </message>
    <message>
        <source>Т3 фазы 1 драйвера 0</source>
        <translation>T3 phase 1 driver 0</translation>
    </message>
    <message>
        <source>Т3 фазы 2 драйвера 0</source>
        <translation>T3 phase 2 driver 0</translation>
    </message>
    <message>
        <source>Т4 фазы 0 драйвера 0</source>
        <translation>T4 phase 0 driver 0</translation>
    </message>
    <message>
        <source>Т4 фазы 1 драйвера 0</source>
        <translation>T4 phase 1 driver 0</translation>
    </message>
    <message>
        <source>Т4 фазы 2 драйвера 0</source>
        <translation>T4 phase 2 driver 0</translation>
    </message>
    <message>
        <source>Текущий коэффициент регулирования</source>
        <translation>Current control factor</translation>
    </message>
    <message>
        <source>Текущий угол дельта тета положения ротора</source>
        <translation>Current rotor delta theta angle</translation>
    </message>
    <message>
        <source>Тепловая защита IGBT</source>
        <translation>IGBT thermal protection</translation>
    </message>
    <message>
        <source>Тепловая защита отсека электроники</source>
        <translation>Electronics bay thermal protection</translation>
    </message>
    <message>
        <source>Частота выборок аварийного архива</source>
        <translation>Fault log sampling rate</translation>
    </message>
    <message>
        <source>Режим работы термодатчиков</source>
        <translation>Temperature sensors mode</translation>
    </message>
    <message>
        <source>Мониторы питания</source>
        <translation>Power monitors</translation>
    </message>
    <message>
        <source>Пусковое напряжение</source>
        <translation>Starting voltage</translation>
    </message>
    <message>
        <source>Макс. время токоограничения</source>
        <translation>Max current limit time</translation>
    </message>
    <message>
        <source>Действующий ток фазы</source>
        <translation>Phase RMS current</translation>
    </message>
    <message>
        <source>Коэффициент нормиров. хар-ки</source>
        <translation>Curve normalization factor</translation>
    </message>
    <message>
        <source>Среднее значение вх. Напряжения</source>
        <translation>Average input voltage</translation>
    </message>
    <message>
        <source>Т4 фазы 1 драйвера 1</source>
        <translation>T4 phase 1 driver 1</translation>
    </message>
    <message>
        <source>Т1 фазы 2 драйвера 1</source>
        <translation>T1 phase 2 driver 1</translation>
    </message>
    <message>
        <source>Т2 фазы 2 драйвера 1</source>
        <translation>T2 phase 2 driver 1</translation>
    </message>
    <message>
        <source>Т3 фазы 2 драйвера 1</source>
        <translation>T3 phase 2 driver 1</translation>
    </message>
    <message>
        <source>Т4 фазы 2 драйвера 1</source>
        <translation>T4 phase 2 driver 1</translation>
    </message>
    <message>
        <source>Добавка уровня токоограничения</source>
        <translation>Current limit level add-on</translation>
    </message>
    <message>
        <source>Токоограничение при подхвате</source>
        <translation>Current limit at flying start</translation>
    </message>
    <message>
        <source>Суммарное выходное сопротивление</source>
        <translation>Total output impedance</translation>
    </message>
    <message>
        <source>Индуктивность на выходе СУ</source>
        <translation>Station output inductance</translation>
    </message>
    <message>
        <source>Уставка перегрузки по току ЧРП</source>
        <translation>VFD overcurrent setpoint</translation>
    </message>
    <message>
        <source>Tемпер. воздуха</source>
        <translation>Air temp.</translation>
    </message>
    <message>
        <source>Режим мягкого пуска</source>
        <translation>Soft start mode</translation>
    </message>
    <message>
        <source>Синхронизация с сетью</source>
        <translation>Grid synchronization</translation>
    </message>
    <message>
        <source>Команда перехода с режима на режим</source>
        <translation>Mode transfer command</translation>
    </message>
    <message>
        <source>Синхронизирован с сетью</source>
        <translation>Synchronized with grid</translation>
    </message>
    <message>
        <source>Состояние перехода</source>
        <translation>Transfer state</translation>
    </message>
    <message>
        <source>Коэффициент коррекции Riz</source>
        <translation>Rins correction factor</translation>
    </message>
    <message>
        <source>Количество полюсов</source>
        <translation>Number of poles</translation>
    </message>
    <message>
        <source>Максимальный ток ЧРП</source>
        <translation>VFD maximum current</translation>
    </message>
    <message>
        <source>Пусковой ток</source>
        <translation>Starting current</translation>
    </message>
    <message>
        <source>Коэфф. трансформации трансформаторов выходного тока</source>
        <translation>Output CT ratio</translation>
    </message>
    <message>
        <source>Т4 платы измерений</source>
        <translation>T4 measuring board</translation>
    </message>
    <message>
        <source>Смещение угла расчета Id конечное</source>
        <translation>Id calculation angle offset, final</translation>
    </message>
    <message>
        <source>Стартовый угол в режиме регулятора угла</source>
        <translation>Start angle in angle control mode</translation>
    </message>
    <message>
        <source>Коэффициент демпфирования</source>
        <translation>Damping factor</translation>
    </message>
    <message>
        <source>Текущее значение тока Id</source>
        <translation>Present Id current</translation>
    </message>
    <message>
        <source>Тип векторного управления</source>
        <translation>Vector control type</translation>
    </message>
    <message>
        <source>Пусковой коэффициент</source>
        <translation>Starting factor</translation>
    </message>
    <message>
        <source>Время старта</source>
        <translation>Start time</translation>
    </message>
    <message>
        <source>Косинус срыва синхронизации</source>
        <translation>Pull-out cosine</translation>
    </message>
    <message>
        <source>Контроль срыва синхронизации по косинусу</source>
        <translation>Pull-out check by cosine</translation>
    </message>
    <message>
        <source>Пусковое время для контроля срыва синхронизации по косинусу</source>
        <translation>Start time for pull-out check by cosine</translation>
    </message>
    <message>
        <source>Стартовый ток ВД</source>
        <translation>PM motor starting current</translation>
    </message>
    <message>
        <source>Температура прогрева</source>
        <translation>Warm-up temperature</translation>
    </message>
    <message>
        <source>Температура включения обдува реактора</source>
        <translation>Reactor fan on temperature</translation>
    </message>
    <message>
        <source>Положение датчика тока</source>
        <translation>Current sensor position</translation>
    </message>
    <message>
        <source>Просадка напряжения DC до нуля</source>
        <translation>DC voltage dip to zero</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 0 драйвера 0</source>
        <translation>Phase 0 temp. delta, driver 0</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 1 драйвера 0</source>
        <translation>Phase 1 temp. delta, driver 0</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 2 драйвера 0</source>
        <translation>Phase 2 temp. delta, driver 0</translation>
    </message>
    <message>
        <source>Регистр управления прокси</source>
        <translation>Proxy control register</translation>
    </message>
    <message>
        <source>Регистр контроля связи</source>
        <translation>Link check register</translation>
    </message>
    <message>
        <source>Индуктивность для расчетов</source>
        <translation>Inductance for calculations</translation>
    </message>
    <message>
        <source>Нормирование времени</source>
        <translation>Time normalization</translation>
    </message>
    <message>
        <source>Регистр управления proxy</source>
        <translation>Proxy control register</translation>
    </message>
    <message>
        <source>Скорость порта ЧРП</source>
        <translation>VFD port baud rate</translation>
    </message>
    <message>
        <source>Уровень рассогласования тока в ветвях фаз</source>
        <translation>Phase branch current mismatch level</translation>
    </message>
    <message>
        <source>Гармонический анализ</source>
        <translation>Harmonic analysis</translation>
    </message>
    <message>
        <source>Компенсация нагрузки на низкой скорости</source>
        <translation>Load compensation at low speed</translation>
    </message>
    <message>
        <source>Компенсация нагрузки на высокой скорости</source>
        <translation>Load compensation at high speed</translation>
    </message>
    <message>
        <source>Коэффициент трансформации входных токов</source>
        <translation>Input current transformer ratio</translation>
    </message>
    <message>
        <source>Смещение угла расчёта Id начальное</source>
        <translation>Id calculation angle offset, initial</translation>
    </message>
    <message>
        <source>Температура входного фильтра или фильтра DC</source>
        <translation>Input or DC filter temperature</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 2 драйвера 1</source>
        <translation>Phase 2 temp. delta, driver 1</translation>
    </message>
    <message>
        <source>P на приёме</source>
        <translation>Intake P</translation>
    </message>
    <message>
        <source>Т обм. двиг.</source>
        <translation>Winding T</translation>
    </message>
    <message>
        <source>Т на приёме</source>
        <translation>Intake T</translation>
    </message>
    <message>
        <source>Gx двигателя</source>
        <translation>Motor Gx</translation>
    </message>
    <message>
        <source>Gy двигателя</source>
        <translation>Motor Gy</translation>
    </message>
    <message>
        <source>Gz двигателя</source>
        <translation>Motor Gz</translation>
    </message>
    <message>
        <source>Р на выкиде</source>
        <translation>Discharge P</translation>
    </message>
    <message>
        <source>Т на выкиде</source>
        <translation>Discharge T</translation>
    </message>
    <message>
        <source>Q на выкиде</source>
        <translation>Discharge Q</translation>
    </message>
    <message>
        <source>Gху двигателя</source>
        <translation>Motor Gxy</translation>
    </message>
    <message>
        <source>Gхуz двигателя</source>
        <translation>Motor Gxyz</translation>
    </message>
    <message>
        <source>Макс.Рвх</source>
        <translation>Max intake P</translation>
    </message>
    <message>
        <source>Отказ связи ТМСП</source>
        <translation>DHS-S link failure</translation>
    </message>
    <message>
        <source>ПО ТМСП</source>
        <translation>DHS-S SW</translation>
    </message>
    <message>
        <source>ПО ТМСН</source>
        <translation>DHS-D SW</translation>
    </message>
    <message>
        <source>Т масла двиг.</source>
        <translation>Motor oil T</translation>
    </message>
    <message>
        <source>Сл.сост.ТМС</source>
        <translation>DHS status</translation>
    </message>
    <message>
        <source>Сл.сост.ТМСН</source>
        <translation>DHS-D status</translation>
    </message>
    <message>
        <source>Сл.сост.ТМСП</source>
        <translation>DHS-S status</translation>
    </message>
    <message>
        <source>Сл.сост.ТМСП 2</source>
        <translation>DHS-S status 2</translation>
    </message>
    <message>
        <source>Зенитный угол двигателя</source>
        <translation>Motor inclination</translation>
    </message>
    <message>
        <source>Vxy насоса</source>
        <translation>Pump Vxy</translation>
    </message>
    <message>
        <source>Vz насоса</source>
        <translation>Pump Vz</translation>
    </message>
    <message>
        <source>Зенитный угол насоса</source>
        <translation>Pump inclination</translation>
    </message>
    <message>
        <source>Vxy двигателя</source>
        <translation>Motor Vxy</translation>
    </message>
    <message>
        <source>Vz двигателя</source>
        <translation>Motor Vz</translation>
    </message>
    <message>
        <source>Ошибочные транзакции</source>
        <translation>Failed transactions</translation>
    </message>
    <message>
        <source>Удачные транзакции</source>
        <translation>Good transactions</translation>
    </message>
    <message>
        <source>Счетчик последнего успешно принятого кадра</source>
        <translation>Last good frame counter</translation>
    </message>
    <message>
        <source>Время последнего пакета</source>
        <translation>Last packet time</translation>
    </message>
    <message>
        <source>Конфигурация погружного блока ТМС Электон</source>
        <translation>Elekton DHS downhole unit setup</translation>
    </message>
    <message>
        <source>Состав датчиков ТМСП</source>
        <translation>DHS-S sensor set</translation>
    </message>
    <message>
        <source>Сл.сост ТМСН</source>
        <translation>DHS-D status</translation>
    </message>
    <message>
        <source>Тип датчика давления для ТМСН-2</source>
        <translation>Pressure sensor type for TMSN-2</translation>
    </message>
    <message>
        <source>Единицы измерения для давления ТМСН-3</source>
        <translation>Pressure units for TMSN-3</translation>
    </message>
    <message>
        <source>P на приёме точное</source>
        <translation>Intake P, precise</translation>
    </message>
    <message>
        <source>Статус загрузки</source>
        <translation>Load status</translation>
    </message>
    <message>
        <source>Тип погружного оборудования</source>
        <translation>Downhole equipment type</translation>
    </message>
    <message>
        <source>Актив. утечки</source>
        <translation>Active leak.</translation>
    </message>
    <message>
        <source>Пассив. утечки</source>
        <translation>Passive leak.</translation>
    </message>
    <message>
        <source>Cz</source>
        <translation>Cz</translation>
    </message>
    <message>
        <source>Cf</source>
        <translation>Cf</translation>
    </message>
    <message>
        <source>Сброс PIC V2</source>
        <translation>PIC V2 reset</translation>
    </message>
    <message>
        <source>Сброс пассивных утечек тока</source>
        <translation>Passive leakage reset</translation>
    </message>
    <message>
        <source>Время режима RSR</source>
        <translation>RSR mode time</translation>
    </message>
    <message>
        <source>Включение режима RSR</source>
        <translation>RSR mode on</translation>
    </message>
    <message>
        <source>P масла двигателя</source>
        <translation>Motor oil P</translation>
    </message>
    <message>
        <source>Служебная информация</source>
        <translation>Service information</translation>
    </message>
    <message>
        <source>Тип кадра</source>
        <translation>Frame type</translation>
    </message>
    <message>
        <source>Время определения отказа связи с ТМСП</source>
        <translation>DHS-S link failure detect time</translation>
    </message>
    <message>
        <source>Время сброса ТМСП</source>
        <translation>DHS-S reset time</translation>
    </message>
    <message>
        <source>Сброс питания ТМСП</source>
        <translation>DHS-S power reset</translation>
    </message>
    <message>
        <source>Ct</source>
        <translation>Ct</translation>
    </message>
    <message>
        <source>Vt</source>
        <translation>Vt</translation>
    </message>
    <message>
        <source>P на приёме 2</source>
        <translation>Intake P 2</translation>
    </message>
    <message>
        <source>Р на выкиде 2</source>
        <translation>Discharge P 2</translation>
    </message>
    <message>
        <source>Т на приёме 2</source>
        <translation>Intake T 2</translation>
    </message>
    <message>
        <source>Т двигателя 2</source>
        <translation>Motor T 2</translation>
    </message>
    <message>
        <source>Счетчик потерянных кадров</source>
        <translation>Lost frames</translation>
    </message>
    <message>
        <source>Накопленный расход, м3/ч</source>
        <translation>Cumulative flow, m3/h</translation>
    </message>
    <message>
        <source>Накопленный расход, м3/сут</source>
        <translation>Cumulative flow, m3/d</translation>
    </message>
    <message>
        <source>Звезда</source>
        <translation>Wye</translation>
    </message>
    <message>
        <source>Проводимость</source>
        <translation>Conductivity</translation>
    </message>
    <message>
        <source>Задержка между запросами к ТМСН</source>
        <translation>DHS-D request interval</translation>
    </message>
    <message>
        <source>Ia</source>
        <translation>Ia</translation>
    </message>
    <message>
        <source>Ib</source>
        <translation>Ib</translation>
    </message>
    <message>
        <source>Ic</source>
        <translation>Ic</translation>
    </message>
    <message>
        <source>Общая активная энергия</source>
        <translation>Total active energy</translation>
    </message>
    <message>
        <source>Активная энергия за текущий день</source>
        <translation>Active energy today</translation>
    </message>
    <message>
        <source>Активная энергия за предыдущий день</source>
        <translation>Active energy yesterday</translation>
    </message>
    <message>
        <source>Активная энергия за текущий месяц</source>
        <translation>Active energy this month</translation>
    </message>
    <message>
        <source>Активная энергия за предыдущий месяц</source>
        <translation>Active energy last month</translation>
    </message>
    <message>
        <source>Общая реактивная энергия</source>
        <translation>Total reactive energy</translation>
    </message>
    <message>
        <source>Реактивная энергия за предыдущий день</source>
        <translation>Reactive energy yesterday</translation>
    </message>
    <message>
        <source>Реактивная энергия за предыдущий месяц</source>
        <translation>Reactive energy last month</translation>
    </message>
    <message>
        <source>Коэффициент трансформации тока</source>
        <translation>CT ratio</translation>
    </message>
    <message>
        <source>Активная энергия за предыдущий год</source>
        <translation>Active energy last year</translation>
    </message>
    <message>
        <source>Активная энергия за текущий год</source>
        <translation>Active energy this year</translation>
    </message>
    <message>
        <source>с</source>
        <translation>s</translation>
    </message>
    <message>
        <source>гггг.мм.дд чч:мм:сс</source>
        <translation>yyyy.mm.dd hh:mm:ss</translation>
    </message>
    <message>
        <source>гг.мм.дд</source>
        <translation>yy.mm.dd</translation>
    </message>
    <message>
        <source>мкс</source>
        <translation>µs</translation>
    </message>
    <message>
        <source>мс</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>сс:мс</source>
        <translation>ss:ms</translation>
    </message>
    <message>
        <source>мин</source>
        <translation>min</translation>
    </message>
    <message>
        <source>мм:сс</source>
        <translation>mm:ss</translation>
    </message>
    <message>
        <source>ч</source>
        <translation>h</translation>
    </message>
    <message>
        <source>чч:мм</source>
        <translation>hh:mm</translation>
    </message>
    <message>
        <source>чч:мм:сс</source>
        <translation>hh:mm:ss</translation>
    </message>
    <message>
        <source>мл</source>
        <translation>mi</translation>
    </message>
    <message>
        <source>фут</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <source>кг/м3</source>
        <translation>kg/m3</translation>
    </message>
    <message>
        <source>мм2</source>
        <translation>mm2</translation>
    </message>
    <message>
        <source>кГц</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>Гц</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>кВ</source>
        <translation>kV</translation>
    </message>
    <message>
        <source>В</source>
        <translation>V</translation>
    </message>
    <message>
        <source>мА</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>А</source>
        <translation>A</translation>
    </message>
    <message>
        <source>кВт</source>
        <translation>kW</translation>
    </message>
    <message>
        <source>Вт</source>
        <translation>W</translation>
    </message>
    <message>
        <source>кВА</source>
        <translation>kVA</translation>
    </message>
    <message>
        <source>ВА</source>
        <translation>VA</translation>
    </message>
    <message>
        <source>кВАр</source>
        <translation>kvar</translation>
    </message>
    <message>
        <source>ВАр</source>
        <translation>var</translation>
    </message>
    <message>
        <source>Об/мин</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>Гц/с</source>
        <translation>Hz/s</translation>
    </message>
    <message>
        <source>кОм</source>
        <translation>kΩ</translation>
    </message>
    <message>
        <source>МОм</source>
        <translation>MΩ</translation>
    </message>
    <message>
        <source>мОм</source>
        <translation>mΩ</translation>
    </message>
    <message>
        <source>Ом</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>Ом/км</source>
        <translation>Ω/km</translation>
    </message>
    <message>
        <source>атм</source>
        <translation>atm</translation>
    </message>
    <message>
        <source>ат</source>
        <translation>at</translation>
    </message>
    <message>
        <source>бар</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>psi</source>
        <translation>psi</translation>
    </message>
    <message>
        <source>кПа</source>
        <translation>kPa</translation>
    </message>
    <message>
        <source>МПа</source>
        <translation>MPa</translation>
    </message>
    <message>
        <source>м/с2</source>
        <translation>m/s2</translation>
    </message>
    <message>
        <source>мм/с2</source>
        <translation>mm/s2</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>мм/с</source>
        <translation>mm/s</translation>
    </message>
    <message>
        <source>м/с</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>МПа/с</source>
        <translation>MPa/s</translation>
    </message>
    <message>
        <source>м3/ч</source>
        <translation>m3/h</translation>
    </message>
    <message>
        <source>барр/сут</source>
        <translation>bbl/d</translation>
    </message>
    <message>
        <source>барр/ч</source>
        <translation>bbl/h</translation>
    </message>
    <message>
        <source>м3/сут</source>
        <translation>m3/d</translation>
    </message>
    <message>
        <source>кВт·ч</source>
        <translation>kW·h</translation>
    </message>
    <message>
        <source>кВАр·ч</source>
        <translation>kvar·h</translation>
    </message>
    <message>
        <source>кВ·А·ч</source>
        <translation>kV·A·h</translation>
    </message>
    <message>
        <source>Н·м</source>
        <translation>N·m</translation>
    </message>
    <message>
        <source>мкГн</source>
        <translation>µH</translation>
    </message>
    <message>
        <source>мГн</source>
        <translation>mH</translation>
    </message>
    <message>
        <source>мкФ</source>
        <translation>µF</translation>
    </message>
    <message>
        <source>В/Об/мин</source>
        <translation>V/rpm</translation>
    </message>
    <message>
        <source>Л.С.</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>AWG</source>
        <translation>AWG</translation>
    </message>
    <message>
        <source>кг/см2</source>
        <translation>kg/cm2</translation>
    </message>
    <message>
        <source>Архивы</source>
        <translation>Logs</translation>
    </message>
    <message>
        <source>Введите пароль</source>
        <translation>Enter password</translation>
    </message>
    <message>
        <source>Недостаточный уровень доступа!</source>
        <translation>Access level too low!</translation>
    </message>
    <message>
        <source>Неверный пароль!
Повторите попытку</source>
        <translation>Wrong password!
Try again</translation>
    </message>
    <message>
        <source>Неверный пароль!
Повторите попытку через</source>
        <translation>Wrong password!
Try again in</translation>
    </message>
    <message>
        <source>Для перемещения используйте стрелки</source>
        <translation>Use the arrows to move</translation>
    </message>
    <message>
        <source>Диапазон допустимых значений</source>
        <translation>Allowed range</translation>
    </message>
    <message>
        <source>Сбросить уставки по умолчанию</source>
        <translation>Reset to default settings</translation>
    </message>
    <message>
        <source>Нет датчика</source>
        <translation>No sensor</translation>
    </message>
    <message>
        <source>Отказ датчика</source>
        <translation>Sensor failure</translation>
    </message>
    <message>
        <source>Блокировка</source>
        <translation>Lockout</translation>
    </message>
    <message>
        <source>Снять блокировку</source>
        <translation>Release lockout</translation>
    </message>
    <message>
        <source>Введите пароль для снятия блокировки</source>
        <translation>Enter password to release lockout</translation>
    </message>
    <message>
        <source>Перед изменением даты и времени
Рекомендуем удалить архивы
Удалить архивы сейчас?</source>
        <translation>Before changing date and time
we recommend deleting the logs
Delete the logs now?</translation>
    </message>
    <message>
        <source>Удаление архивов</source>
        <translation>Deleting logs</translation>
    </message>
    <message>
        <source>До останова:</source>
        <translation>Until stop:</translation>
    </message>
    <message>
        <source>До перехода на F2:</source>
        <translation>Until switch to F2:</translation>
    </message>
    <message>
        <source>До перехода на F1:</source>
        <translation>Until switch to F1:</translation>
    </message>
    <message>
        <source>До</source>
        <translation>Until</translation>
    </message>
    <message>
        <source>гарант.</source>
        <translation>guar.</translation>
    </message>
    <message>
        <source>пуска:</source>
        <translation>start:</translation>
    </message>
    <message>
        <source>ПУСК ЗАПРЕЩЕН</source>
        <translation>START INHIBITED</translation>
    </message>
    <message>
        <source>Запуск:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>М-е</source>
        <translation>Fld</translation>
    </message>
    <message>
        <source>куст</source>
        <translation>pad</translation>
    </message>
    <message>
        <source>скв</source>
        <translation>well</translation>
    </message>
    <message>
        <source>К</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Ч</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Т</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Э</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Кнопка Start заблокирована!</source>
        <translation>Start button is locked!</translation>
    </message>
    <message>
        <source>Необходимо подтвердить параметры в мастере настроек</source>
        <translation>Confirm the parameters in the setup wizard</translation>
    </message>
    <message>
        <source>Введите пароль для запуска СУ</source>
        <translation>Enter password to start</translation>
    </message>
    <message>
        <source>Обновление ПО:</source>
        <translation>Software update:</translation>
    </message>
    <message>
        <source>Обновление ПО завершено!</source>
        <translation>Software update complete!</translation>
    </message>
    <message>
        <source>Копирование архивов:</source>
        <translation>Copying logs:</translation>
    </message>
    <message>
        <source>Копирование архивов завершено!</source>
        <translation>Log copy complete!</translation>
    </message>
    <message>
        <source>ОТКЛОНЕНИЕ ОТ РАБОЧИХ ПАРАМЕТРОВ</source>
        <translation>OPERATING PARAMETERS DEVIATION</translation>
    </message>
    <message>
        <source>Внимание!
Необходимо провести автоадаптацию</source>
        <translation>Attention!
Auto-adaptation is required</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>выполнено</source>
        <translation>done</translation>
    </message>
    <message>
        <source>прошло</source>
        <translation>elapsed</translation>
    </message>
    <message>
        <source>Давления</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Темпер.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>З</source>
        <translation>D</translation>
    </message>
    <message>
        <source>П</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Технологические режимы</source>
        <translation>Process modes</translation>
    </message>
    <message>
        <source>Периодический</source>
        <translation>Periodic</translation>
    </message>
    <message>
        <source>Гарант. пуск</source>
        <translation>Guar. start</translation>
    </message>
    <message>
        <source>Черед. F.</source>
        <translation>Alt. F.</translation>
    </message>
    <message>
        <source>ВНР</source>
        <translation>Startup</translation>
    </message>
    <message>
        <source>Поддерж.</source>
        <translation>Hold</translation>
    </message>
    <message>
        <source>Следов.</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Опт.U</source>
        <translation>Opt.U</translation>
    </message>
    <message>
        <source>Токоогр.</source>
        <translation>I limit</translation>
    </message>
    <message>
        <source>Встряхивание</source>
        <translation>Shaking</translation>
    </message>
    <message>
        <source>Пркч</source>
        <translation>Gas purge</translation>
    </message>
    <message>
        <source>Пркч РН</source>
        <translation>RN gas purge</translation>
    </message>
    <message>
        <source>В работе</source>
        <translation>Running</translation>
    </message>
    <message>
        <source>Подключен USB накопитель</source>
        <translation>USB drive connected</translation>
    </message>
    <message>
        <source>Копировать архив</source>
        <translation>Copy logs</translation>
    </message>
    <message>
        <source>Обновить ПО</source>
        <translation>Update software</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Режимы</source>
        <translation>Modes</translation>
    </message>
    <message>
        <source>Двигатель</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Насос</source>
        <translation>Pump</translation>
    </message>
    <message>
        <source>Защиты</source>
        <translation>Protections</translation>
    </message>
    <message>
        <source>Аналоговый выход 1</source>
        <translation>Analog output 1</translation>
    </message>
    <message>
        <source>Аналоговый выход 2</source>
        <translation>Analog output 2</translation>
    </message>
    <message>
        <source>Аналоговый выход 3</source>
        <translation>Analog output 3</translation>
    </message>
    <message>
        <source>Аналоговый выход 4</source>
        <translation>Analog output 4</translation>
    </message>
    <message>
        <source>Аналоговые выходы</source>
        <translation>Analog outputs</translation>
    </message>
    <message>
        <source>Конфигурации</source>
        <translation>Configurations</translation>
    </message>
    <message>
        <source>Корректировка аналоговых входов</source>
        <translation>Analog input correction</translation>
    </message>
    <message>
        <source>Корректировка токов на входе</source>
        <translation>Input current correction</translation>
    </message>
    <message>
        <source>Корректировка токов двигателя</source>
        <translation>Motor current correction</translation>
    </message>
    <message>
        <source>Корректировка токов на выходе</source>
        <translation>Output current correction</translation>
    </message>
    <message>
        <source>Корректировка токов трансформатора</source>
        <translation>Transformer current correction</translation>
    </message>
    <message>
        <source>Корректировка тока на входе</source>
        <translation>Input current correction</translation>
    </message>
    <message>
        <source>Корректировка напряжения на входе</source>
        <translation>Input voltage correction</translation>
    </message>
    <message>
        <source>Корректировка тока на выходе</source>
        <translation>Output current correction</translation>
    </message>
    <message>
        <source>Корректировка напряжения на выходе</source>
        <translation>Output voltage correction</translation>
    </message>
    <message>
        <source>Корректировка тока трансформатора</source>
        <translation>Transformer current correction</translation>
    </message>
    <message>
        <source>Корректировка напряжения трансформатора</source>
        <translation>Transformer voltage correction</translation>
    </message>
    <message>
        <source>Корректировка тока двигателя</source>
        <translation>Motor current correction</translation>
    </message>
    <message>
        <source>Корректировка напряжения двигателя</source>
        <translation>Motor voltage correction</translation>
    </message>
    <message>
        <source>Корректировки</source>
        <translation>Corrections</translation>
    </message>
    <message>
        <source>Коэффициент AB</source>
        <translation>Coefficient AB</translation>
    </message>
    <message>
        <source>Коэффициент BC</source>
        <translation>Coefficient BC</translation>
    </message>
    <message>
        <source>Коэффициент CA</source>
        <translation>Coefficient CA</translation>
    </message>
    <message>
        <source>Коэффициент UV</source>
        <translation>Coefficient UV</translation>
    </message>
    <message>
        <source>Коэффициент VW</source>
        <translation>Coefficient VW</translation>
    </message>
    <message>
        <source>Коэффициент WU</source>
        <translation>Coefficient WU</translation>
    </message>
    <message>
        <source>Корректировка напряжений на входе</source>
        <translation>Input voltage correction</translation>
    </message>
    <message>
        <source>Корректировка напряжений двигателя</source>
        <translation>Motor voltage correction</translation>
    </message>
    <message>
        <source>Корректировка напряжений на выходе</source>
        <translation>Output voltage correction</translation>
    </message>
    <message>
        <source>Корректировка напряжений трансформатора</source>
        <translation>Transformer voltage correction</translation>
    </message>
    <message>
        <source>Счётчики</source>
        <translation>Counters</translation>
    </message>
    <message>
        <source>Сброс счётчиков</source>
        <translation>Reset counters</translation>
    </message>
    <message>
        <source>Текущие параметры ТМС</source>
        <translation>DHS readings</translation>
    </message>
    <message>
        <source>Текущие параметры платы расширений</source>
        <translation>Extension board readings</translation>
    </message>
    <message>
        <source>Замкнут</source>
        <translation>Closed</translation>
    </message>
    <message>
        <source>Разомкнут</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Текущие параметры входов</source>
        <translation>Input readings</translation>
    </message>
    <message>
        <source>Открыта</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Закрыта</source>
        <translation>Closed</translation>
    </message>
    <message>
        <source>Текущие параметры технолога</source>
        <translation>Engineer readings</translation>
    </message>
    <message>
        <source>Текущие параметры двигателя по модели</source>
        <translation>Motor readings (model)</translation>
    </message>
    <message>
        <source>Текущие параметры двигателя</source>
        <translation>Motor readings</translation>
    </message>
    <message>
        <source>Текущие параметры выхода СУ и ТМПН</source>
        <translation>Output and SUT readings</translation>
    </message>
    <message>
        <source>Текущие параметры выхода СУ и ТМПН по модели</source>
        <translation>Output and SUT readings (model)</translation>
    </message>
    <message>
        <source>Ручной</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Текущие параметры ЧРП</source>
        <translation>VFD readings</translation>
    </message>
    <message>
        <source>Текущие параметры сети</source>
        <translation>Supply readings</translation>
    </message>
    <message>
        <source>Текущие параметры</source>
        <translation>Current readings</translation>
    </message>
    <message>
        <source>Сбросить счётчики</source>
        <translation>Reset counters</translation>
    </message>
    <message>
        <source>Сбросить счётчики качества связи?</source>
        <translation>Reset link quality counters?</translation>
    </message>
    <message>
        <source>Внимание!
Отключена запись аварийных архивов
и защита чередования фаз</source>
        <translation>Attention!
Fault logging and phase sequence
protection are disabled</translation>
    </message>
    <message>
        <source>Счётчик электроэнергии</source>
        <translation>Energy meter</translation>
    </message>
    <message>
        <source>Параметры связи счётчика электроэнергии</source>
        <translation>Energy meter link settings</translation>
    </message>
    <message>
        <source>Потребление активной электоэнергии</source>
        <translation>Active energy consumption</translation>
    </message>
    <message>
        <source>Сброс потреблёной активной электоэнергии</source>
        <translation>Reset active energy consumed</translation>
    </message>
    <message>
        <source>Сбросить потребленую активную электоэнергию?</source>
        <translation>Reset the active energy consumed?</translation>
    </message>
    <message>
        <source>Фильтры</source>
        <translation>Filters</translation>
    </message>
    <message>
        <source>Релейные выходы</source>
        <translation>Relay outputs</translation>
    </message>
    <message>
        <source>Оборудование</source>
        <translation>Equipment</translation>
    </message>
    <message>
        <source>Защита по перегреву фильтра отключена</source>
        <translation>Filter overheat protection is off</translation>
    </message>
    <message>
        <source>Скважина</source>
        <translation>Well</translation>
    </message>
    <message>
        <source>Технологические настройки</source>
        <translation>Process settings</translation>
    </message>
    <message>
        <source>Записная книжка</source>
        <translation>Notebook</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Меню</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Настройка меню технолога</source>
        <translation>Engineer menu setup</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Станция управления</source>
        <translation>Control station</translation>
    </message>
    <message>
        <source>Система</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Пароли</source>
        <translation>Passwords</translation>
    </message>
    <message>
        <source>Телемеханика</source>
        <translation>Telemetry</translation>
    </message>
    <message>
        <source>ИБП</source>
        <translation>UPS</translation>
    </message>
    <message>
        <source>Любая</source>
        <translation>Any</translation>
    </message>
    <message>
        <source>Ожидание АПВ</source>
        <translation>Auto-restart wait</translation>
    </message>
    <message>
        <source>АПВ ЗАПРЕЩЕНО</source>
        <translation>AUTO-RESTART INHIBITED</translation>
    </message>
    <message>
        <source>Запрещ. параметр:</source>
        <translation>Inhibiting parameter:</translation>
    </message>
    <message>
        <source>Работа по программе. Режим:</source>
        <translation>Program run. Mode:</translation>
    </message>
    <message>
        <source>ПЕРИОДИЧЕСКИЙ</source>
        <translation>PERIODIC</translation>
    </message>
    <message>
        <source>текущее состояние:</source>
        <translation>current state:</translation>
    </message>
    <message>
        <source>ПАУЗА</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>ГАРАНТИРОВАННЫЙ ПУСК</source>
        <translation>GUARANTEED START</translation>
    </message>
    <message>
        <source>Прошло:</source>
        <translation>Elapsed:</translation>
    </message>
    <message>
        <source>Осталось:</source>
        <translation>Remaining:</translation>
    </message>
    <message>
        <source>Количество АПВ:</source>
        <translation>Auto-restarts:</translation>
    </message>
    <message>
        <source>Сбросить все уставки по умолчанию</source>
        <translation>Reset all settings to defaults</translation>
    </message>
    <message>
        <source>Сохранить конфигурацию на USB накопитель?</source>
        <translation>Save the configuration to the USB drive?</translation>
    </message>
    <message>
        <source>Сохранение конфигурации на USB накопитель...</source>
        <translation>Saving configuration to USB drive...</translation>
    </message>
    <message>
        <source>Для загрузки конфигурации остановите двигатель!</source>
        <translation>Stop the motor to load a configuration!</translation>
    </message>
    <message>
        <source>Загрузить конфигурацию с USB накопителя?</source>
        <translation>Load the configuration from the USB drive?</translation>
    </message>
    <message>
        <source>Загрузка конфигурации с USB накопителя...</source>
        <translation>Loading configuration from USB drive...</translation>
    </message>
    <message>
        <source>Загрузка уставок из профиля</source>
        <translation>Load settings from profile</translation>
    </message>
    <message>
        <source>Профили для загрузки отсутствуют!</source>
        <translation>No profiles to load!</translation>
    </message>
    <message>
        <source>Необходимо сохранить хотя бы один профиль</source>
        <translation>Save at least one profile first</translation>
    </message>
    <message>
        <source>Для загрузки уставок остановите двигатель!</source>
        <translation>Stop the motor to load settings!</translation>
    </message>
    <message>
        <source>Загрузить уставки из профиля %1?</source>
        <translation>Load settings from profile %1?</translation>
    </message>
    <message>
        <source>Загрузка уставок из профиля %1...</source>
        <translation>Loading settings from profile %1...</translation>
    </message>
    <message>
        <source>Контроллер не сообщил о завершении операции</source>
        <translation>The controller did not report completion</translation>
    </message>
    <message>
        <source>Технолог</source>
        <translation>Engineer</translation>
    </message>
    <message>
        <source>Сервис</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Супер</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>Сохранение уставок в профиль</source>
        <translation>Save settings to profile</translation>
    </message>
    <message>
        <source>Сохранить уставки в профиль %1?</source>
        <translation>Save settings to profile %1?</translation>
    </message>
    <message>
        <source>Сохранение уставок в профиль %1...</source>
        <translation>Saving settings to profile %1...</translation>
    </message>
    <message>
        <source>Мастер настроек</source>
        <translation>Setup wizard</translation>
    </message>
    <message>
        <source>Перезагрузка ПО</source>
        <translation>Restart software</translation>
    </message>
</context>
</TS>
