<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ru">
<context>
    <name>QObject</name>
    <message>
        <source>Ожидание применения...</source>
        <translation>Esperando aplicación...</translation>
    </message>
    <message>
        <source>Для изменения остановите двигатель!</source>
        <translation>¡Detenga el motor para cambiarlo!</translation>
    </message>
    <message>
        <source>Неизвестная ошибка</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Инвертор остановлен по изменению важного параметра</source>
        <translation>Inversor parado: cambio de parámetro clave</translation>
    </message>
    <message>
        <source>Инвертор остановлен по команде извне</source>
        <translation>Inversor parado por orden externa</translation>
    </message>
    <message>
        <source>Остановлен по причине FAULT</source>
        <translation>Parado por FAULT</translation>
    </message>
    <message>
        <source>Токоограничение</source>
        <translation>Limitación de corriente</translation>
    </message>
    <message>
        <source>Недостаточно напряжения</source>
        <translation>Tensión insuficiente</translation>
    </message>
    <message>
        <source>Остановлен аварийно</source>
        <translation>Parada de emergencia</translation>
    </message>
    <message>
        <source>Низкое напряжение шины</source>
        <translation>Tensión baja del bus CC</translation>
    </message>
    <message>
        <source>Высокое напряжение шины</source>
        <translation>Tensión alta del bus CC</translation>
    </message>
    <message>
        <source>Защита выпрямителя</source>
        <translation>Protección del rectificador</translation>
    </message>
    <message>
        <source>Нет заряда шины</source>
        <translation>Bus CC sin carga</translation>
    </message>
    <message>
        <source>Перегруз инвертора</source>
        <translation>Sobrecarga del inversor</translation>
    </message>
    <message>
        <source>Ошибка автонастройки при старте</source>
        <translation>Error de autoajuste al arrancar</translation>
    </message>
    <message>
        <source>Превышение порога мгновенного токоограничения</source>
        <translation>Límite instantáneo de corriente superado</translation>
    </message>
    <message>
        <source>Ошибка чтения ФЛЕШ</source>
        <translation>Error de lectura de flash</translation>
    </message>
    <message>
        <source>Ошибка записи ФЛЕШ</source>
        <translation>Error de escritura de flash</translation>
    </message>
    <message>
        <source>Ошибка режима разряда шины</source>
        <translation>Error en modo de descarga del bus</translation>
    </message>
    <message>
        <source>Ошибка векторного режима</source>
        <translation>Error del modo vectorial</translation>
    </message>
    <message>
        <source>Предел тока двигателя</source>
        <translation>Límite corriente motor</translation>
    </message>
    <message>
        <source>Перегруз двигателя</source>
        <translation>Sobrecarga del motor</translation>
    </message>
    <message>
        <source>Длительное токоограничение</source>
        <translation>Limitación de corriente prolongada</translation>
    </message>
    <message>
        <source>Ошибка диапазона уставок ФЛЕШ</source>
        <translation>Error de rango de ajustes en flash</translation>
    </message>
    <message>
        <source>Ошибка синхронизации с сетью</source>
        <translation>Error de sincronización con la red</translation>
    </message>
    <message>
        <source>Ошибка по КЗ на инверторе</source>
        <translation>Cortocircuito en el inversor</translation>
    </message>
    <message>
        <source>Предел тока инвертора</source>
        <translation>Límite de corriente del inversor</translation>
    </message>
    <message>
        <source>Ток утечки инвертора</source>
        <translation>Corriente de fuga del inversor</translation>
    </message>
    <message>
        <source>Защита параллельных ветвей инвертора</source>
        <translation>Protección de ramas paralelas del inversor</translation>
    </message>
    <message>
        <source>Ошибка монитора питания контроллера</source>
        <translation>Error del monitor de alimentación del controlador</translation>
    </message>
    <message>
        <source>Ошибка монитора питания часов контроллера</source>
        <translation>Error del monitor de alim. del reloj del controlador</translation>
    </message>
    <message>
        <source>Ошибка монитора платы измерений</source>
        <translation>Error del monitor de la placa de medición</translation>
    </message>
    <message>
        <source>Защита драйвера 0</source>
        <translation>Protección del driver 0</translation>
    </message>
    <message>
        <source>Защита драйвера 1</source>
        <translation>Protección del driver 1</translation>
    </message>
    <message>
        <source>Защита драйвера 2</source>
        <translation>Protección del driver 2</translation>
    </message>
    <message>
        <source>Включен тестовый режим контроллера ПЧ</source>
        <translation>Modo de prueba del controlador del variador activo</translation>
    </message>
    <message>
        <source>Ошибка связи с термодатчиками</source>
        <translation>Error de enlace con sensores de temperatura</translation>
    </message>
    <message>
        <source>Тепловая защита радиаторов</source>
        <translation>Protección térmica de disipadores</translation>
    </message>
    <message>
        <source>Тепловая защита по воздуху</source>
        <translation>Protección térmica por aire</translation>
    </message>
    <message>
        <source>Аварийная кнопка</source>
        <translation>Botón de emergencia</translation>
    </message>
    <message>
        <source>Тепловая защита тиристоров</source>
        <translation>Protección térmica de tiristores</translation>
    </message>
    <message>
        <source>Перегрев выходного фильтра</source>
        <translation>Sobretemperatura del filtro de salida</translation>
    </message>
    <message>
        <source>Проверка тормоза A28</source>
        <translation>Prueba de freno A28</translation>
    </message>
    <message>
        <source>Температура радиатора A29</source>
        <translation>Temperatura del disipador A29</translation>
    </message>
    <message>
        <source>Пробой на землю A14</source>
        <translation>Falla a tierra A14</translation>
    </message>
    <message>
        <source>Темп. платы управления А65</source>
        <translation>Temp. tarjeta de control A65</translation>
    </message>
    <message>
        <source>Упр. слово ТО А17</source>
        <translation>Tiempo agotado palabra control A17</translation>
    </message>
    <message>
        <source>Превыш тока А13</source>
        <translation>Sobrecorriente A13</translation>
    </message>
    <message>
        <source>Предел момента A12</source>
        <translation>Límite de par A12</translation>
    </message>
    <message>
        <source>Перегрев термист. двигателя А11</source>
        <translation>Sobretemp. termistor motor A11</translation>
    </message>
    <message>
        <source>Превышение ETR двигателя А10</source>
        <translation>Sobretemp. ETR del motor A10</translation>
    </message>
    <message>
        <source>Перегрузка инвертера</source>
        <translation>Sobrecarga del inversor</translation>
    </message>
    <message>
        <source>Пониж. напряжение пост. тока А8</source>
        <translation>Subtensión CC A8</translation>
    </message>
    <message>
        <source>Повыш. напряжение пост. тока А7</source>
        <translation>Sobretensión CC A7</translation>
    </message>
    <message>
        <source>Короткое замыкание А16</source>
        <translation>Cortocircuito A16</translation>
    </message>
    <message>
        <source>Отказ из-за броска тока А33</source>
        <translation>Falla por corriente de arranque A33</translation>
    </message>
    <message>
        <source>Обрыв фазы питания А4</source>
        <translation>Pérdida de fase de red A4</translation>
    </message>
    <message>
        <source>Сбой ААД</source>
        <translation>Falla AMA</translation>
    </message>
    <message>
        <source>Ошибка действующего нуля А2</source>
        <translation>Error de cero activo A2</translation>
    </message>
    <message>
        <source>Внутренний отказ А38</source>
        <translation>Falla interna A38</translation>
    </message>
    <message>
        <source>Перегрузка тормоза А26</source>
        <translation>Sobrecarga del freno A26</translation>
    </message>
    <message>
        <source>Обрыв фазы U A30</source>
        <translation>Falta fase U del motor A30</translation>
    </message>
    <message>
        <source>Обрыв фазы V A31</source>
        <translation>Falta fase V del motor A31</translation>
    </message>
    <message>
        <source>Обрыв фазы W A32</source>
        <translation>Falta fase W del motor A32</translation>
    </message>
    <message>
        <source>Отказ Fieldbus А34</source>
        <translation>Falla de bus de campo A34</translation>
    </message>
    <message>
        <source>Низкое напряжение питания 24В А47</source>
        <translation>Alimentación 24 V baja A47</translation>
    </message>
    <message>
        <source>Отказ питания А36</source>
        <translation>Falla de red A36</translation>
    </message>
    <message>
        <source>Низкое напряжение питания 1,8В А48</source>
        <translation>Alimentación 1,8 V baja A48</translation>
    </message>
    <message>
        <source>Тормозной резистор А25</source>
        <translation>Resistencia de freno A25</translation>
    </message>
    <message>
        <source>Тормозной IGBT А27</source>
        <translation>IGBT de freno A27</translation>
    </message>
    <message>
        <source>Смена доп.устройства А67</source>
        <translation>Cambio de opción A67</translation>
    </message>
    <message>
        <source>Провод иниц. А80</source>
        <translation>Variador inicializado A80</translation>
    </message>
    <message>
        <source>Мала эффективность механич. тормоза А63</source>
        <translation>Freno mecánico débil A63</translation>
    </message>
    <message>
        <source>Сервисная защита</source>
        <translation>Disparo de servicio</translation>
    </message>
    <message>
        <source>Высокая температура разряда</source>
        <translation>Temperatura de descarga alta</translation>
    </message>
    <message>
        <source>Ошибка пуска</source>
        <translation>Falla de arranque</translation>
    </message>
    <message>
        <source>Предел скорости</source>
        <translation>Límite de velocidad</translation>
    </message>
    <message>
        <source>Внешняя блокировка</source>
        <translation>Enclavamiento externo</translation>
    </message>
    <message>
        <source>Недопустимое сочетание дополнительных устройств</source>
        <translation>Combinación de opciones no válida</translation>
    </message>
    <message>
        <source>Дополнительное защитное устройство отсутствует</source>
        <translation>Sin opción de seguridad</translation>
    </message>
    <message>
        <source>Ошибка KTY</source>
        <translation>Error KTY</translation>
    </message>
    <message>
        <source>Ошибка вентиляторов</source>
        <translation>Error de ventiladores</translation>
    </message>
    <message>
        <source>Ошибка ECB</source>
        <translation>Error ECB</translation>
    </message>
    <message>
        <source>Предел по току А59</source>
        <translation>Límite de corriente A59</translation>
    </message>
    <message>
        <source>Отказ энкодера A90</source>
        <translation>Pérdida de encoder A90</translation>
    </message>
    <message>
        <source>Термистор PTC А74</source>
        <translation>Termistor PTC A74</translation>
    </message>
    <message>
        <source>Опасный отказ</source>
        <translation>Falla peligrosa</translation>
    </message>
    <message>
        <source>Нажмите Auto On</source>
        <translation>Pulse Auto On</translation>
    </message>
    <message>
        <source>Ошибка слежения</source>
        <translation>Error de seguimiento</translation>
    </message>
    <message>
        <source>Недогруз</source>
        <translation>Baja carga</translation>
    </message>
    <message>
        <source>Рассинхронизация ВД</source>
        <translation>Pérdida de sincronismo motor PM</translation>
    </message>
    <message>
        <source>Низкое Rиз</source>
        <translation>Rais baja</translation>
    </message>
    <message>
        <source>Низкое напряжение</source>
        <translation>Tensión baja</translation>
    </message>
    <message>
        <source>Высокое напряжение</source>
        <translation>Tensión alta</translation>
    </message>
    <message>
        <source>Высокое U сил. Цепи</source>
        <translation>U alta circuito potencia</translation>
    </message>
    <message>
        <source>Низкое U сил. цепи</source>
        <translation>U baja circuito potencia</translation>
    </message>
    <message>
        <source>Потеря связи с ВРХ</source>
        <translation>Enlace con controlador perdido</translation>
    </message>
    <message>
        <source>Перегрев IGBT</source>
        <translation>Sobretemperatura IGBT</translation>
    </message>
    <message>
        <source>Перегрев фильтра</source>
        <translation>Sobretemperatura del filtro</translation>
    </message>
    <message>
        <source>Защита ЧРП</source>
        <translation>Protección del variador</translation>
    </message>
    <message>
        <source>Питание драйверов</source>
        <translation>Alimentación de drivers</translation>
    </message>
    <message>
        <source>Конт манометр</source>
        <translation>Manóm. contacto</translation>
    </message>
    <message>
        <source>Доп. аналог вход 0</source>
        <translation>Entrada analógica adic. 0</translation>
    </message>
    <message>
        <source>Чередование фаз</source>
        <translation>Secuencia de fases</translation>
    </message>
    <message>
        <source>Выс. Температура</source>
        <translation>Temperatura alta</translation>
    </message>
    <message>
        <source>Выс. Вибрация</source>
        <translation>Vibración alta</translation>
    </message>
    <message>
        <source>Низ. Давление</source>
        <translation>Presión baja</translation>
    </message>
    <message>
        <source>Авария контактора вых. ЧР</source>
        <translation>Falla contactor salida variador</translation>
    </message>
    <message>
        <source>Авария контактора Пр.пуска</source>
        <translation>Falla contactor arranque directo</translation>
    </message>
    <message>
        <source>Дисбаланс токов</source>
        <translation>Desbalance de corrientes</translation>
    </message>
    <message>
        <source>Дисбаланс напряж.</source>
        <translation>Desbalance de tensiones</translation>
    </message>
    <message>
        <source>Турбинное вращение</source>
        <translation>Rotación por turbina</translation>
    </message>
    <message>
        <source>Прочие ошибки 24</source>
        <translation>Otros errores 24</translation>
    </message>
    <message>
        <source>Авария питания</source>
        <translation>Falla de alimentación</translation>
    </message>
    <message>
        <source>Открыта дверь</source>
        <translation>Puerta abierta</translation>
    </message>
    <message>
        <source>Пропало питание</source>
        <translation>Pérdida de alimentación</translation>
    </message>
    <message>
        <source>Нет заряда конденс.</source>
        <translation>Condensadores sin carga</translation>
    </message>
    <message>
        <source>Авария тиристоров</source>
        <translation>Falla de tiristores</translation>
    </message>
    <message>
        <source>Автомат фильтра</source>
        <translation>Interruptor del filtro</translation>
    </message>
    <message>
        <source>По подхвату</source>
        <translation>Por arranque al vuelo</translation>
    </message>
    <message>
        <source>Авто останов</source>
        <translation>Parada automática</translation>
    </message>
    <message>
        <source>Ручной останов</source>
        <translation>Parada manual</translation>
    </message>
    <message>
        <source>Внешний останов</source>
        <translation>Parada externa</translation>
    </message>
    <message>
        <source>Автоматич. пуск</source>
        <translation>Arranque automático</translation>
    </message>
    <message>
        <source>Ручной пуск</source>
        <translation>Arranque manual</translation>
    </message>
    <message>
        <source>Внешний пуск</source>
        <translation>Arranque externo</translation>
    </message>
    <message>
        <source>По количеству АПВ</source>
        <translation>Por número de rearranques</translation>
    </message>
    <message>
        <source>Ошибка ОЗУ</source>
        <translation>Error de RAM</translation>
    </message>
    <message>
        <source>Отключен</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Отказ дискр. вх.</source>
        <translation>Falla entrada digital</translation>
    </message>
    <message>
        <source>Отказ АЦП</source>
        <translation>Falla del ADC</translation>
    </message>
    <message>
        <source>Аналог. Питание</source>
        <translation>Alimentación analógica</translation>
    </message>
    <message>
        <source>Питание датчиков</source>
        <translation>Alimentación de sensores</translation>
    </message>
    <message>
        <source>Ошибка EEPROM</source>
        <translation>Error de EEPROM</translation>
    </message>
    <message>
        <source>ПЧ не готов</source>
        <translation>Variador no listo</translation>
    </message>
    <message>
        <source>Сбой уставок</source>
        <translation>Falla de ajustes</translation>
    </message>
    <message>
        <source>Блокировка пуска</source>
        <translation>Bloqueo de arranque</translation>
    </message>
    <message>
        <source>Силовой предохранитель</source>
        <translation>Fusible de potencia</translation>
    </message>
    <message>
        <source>Отключен силовой автомат</source>
        <translation>Interruptor de potencia abierto</translation>
    </message>
    <message>
        <source>Дисбаланс токов выпрямителей</source>
        <translation>Desbalance de corriente de rectificadores</translation>
    </message>
    <message>
        <source>Перегрев трансформатора питания вентиляторов</source>
        <translation>Sobretemp. transformador de ventiladores</translation>
    </message>
    <message>
        <source>Авария питания вентиляторов</source>
        <translation>Falla alimentación ventiladores</translation>
    </message>
    <message>
        <source>Ошибка часов контроллера</source>
        <translation>Error del reloj del controlador</translation>
    </message>
    <message>
        <source>Тестовый режим</source>
        <translation>Modo de prueba</translation>
    </message>
    <message>
        <source>Проверка тормоза W28</source>
        <translation>Prueba de freno W28</translation>
    </message>
    <message>
        <source>Температура радиатора W29</source>
        <translation>Temperatura del disipador W29</translation>
    </message>
    <message>
        <source>Пробой на землю W14</source>
        <translation>Falla a tierra W14</translation>
    </message>
    <message>
        <source>Темп. платы управления W65</source>
        <translation>Temp. tarjeta de control W65</translation>
    </message>
    <message>
        <source>Упр. слово ТО W17</source>
        <translation>Tiempo agotado palabra control W17</translation>
    </message>
    <message>
        <source>Превыш тока W13</source>
        <translation>Sobrecorriente W13</translation>
    </message>
    <message>
        <source>Предел момента W12</source>
        <translation>Límite de par W12</translation>
    </message>
    <message>
        <source>Перегрев термист. двигателя W11</source>
        <translation>Sobretemp. termistor motor W11</translation>
    </message>
    <message>
        <source>Превышение ETR двигателя W10</source>
        <translation>Sobretemp. ETR del motor W10</translation>
    </message>
    <message>
        <source>Пониж. напряжение пост. тока W8</source>
        <translation>Subtensión CC W8</translation>
    </message>
    <message>
        <source>Повыш. напряжение пост. тока W7</source>
        <translation>Sobretensión CC W7</translation>
    </message>
    <message>
        <source>Пониж. напряжение пост. тока W6</source>
        <translation>Tensión CC baja W6</translation>
    </message>
    <message>
        <source>Повыш. напряжение пост. тока W5</source>
        <translation>Tensión CC alta W5</translation>
    </message>
    <message>
        <source>Обрыв фазы питания W4</source>
        <translation>Pérdida de fase de red W4</translation>
    </message>
    <message>
        <source>Нет двигателя W3</source>
        <translation>Sin motor W3</translation>
    </message>
    <message>
        <source>Ошибка действующего нуля W2</source>
        <translation>Error de cero activo W2</translation>
    </message>
    <message>
        <source>Низкое напряжение источника 10В W1</source>
        <translation>Fuente de 10 V baja W1</translation>
    </message>
    <message>
        <source>Перегрузка тормоза W26</source>
        <translation>Sobrecarga del freno W26</translation>
    </message>
    <message>
        <source>Тормозной резистор W25</source>
        <translation>Resistencia de freno W25</translation>
    </message>
    <message>
        <source>Тормозной IGBT W27</source>
        <translation>IGBT de freno W27</translation>
    </message>
    <message>
        <source>Предел скорости W49</source>
        <translation>Límite de velocidad W49</translation>
    </message>
    <message>
        <source>Отказ Fieldbus W34</source>
        <translation>Falla de bus de campo W34</translation>
    </message>
    <message>
        <source>Низкое напряжение питания 24В W47</source>
        <translation>Alimentación 24 V baja W47</translation>
    </message>
    <message>
        <source>Отказ питания W36</source>
        <translation>Falla de red W36</translation>
    </message>
    <message>
        <source>Предел по току W59</source>
        <translation>Límite de corriente W59</translation>
    </message>
    <message>
        <source>Низкая температура W66</source>
        <translation>Temperatura baja W66</translation>
    </message>
    <message>
        <source>Предел по напряжению W64</source>
        <translation>Límite de tensión W64</translation>
    </message>
    <message>
        <source>Отказ энкодера W90</source>
        <translation>Pérdida de encoder W90</translation>
    </message>
    <message>
        <source>Пр вых. част W62</source>
        <translation>Límite frec. salida W62</translation>
    </message>
    <message>
        <source>Безоп. останов W68</source>
        <translation>Parada segura W68</translation>
    </message>
    <message>
        <source>Расширенное слово состояния</source>
        <translation>Palabra de estado extendida</translation>
    </message>
    <message>
        <source>Снижение частоты</source>
        <translation>Reducción de frecuencia</translation>
    </message>
    <message>
        <source>Не подключен USB накопитель!</source>
        <translation>¡No hay memoria USB conectada!</translation>
    </message>
    <message>
        <source>Ошибка записи файла!</source>
        <translation>¡Error al escribir el archivo!</translation>
    </message>
    <message>
        <source>Ошибка закрытия файла!</source>
        <translation>¡Error al cerrar el archivo!</translation>
    </message>
    <message>
        <source>Ошибка создания каталога!</source>
        <translation>¡Error al crear el directorio!</translation>
    </message>
    <message>
        <source>Ошибка открытия файла!</source>
        <translation>¡Error al abrir el archivo!</translation>
    </message>
    <message>
        <source>Ошибка открытия каталога!</source>
        <translation>¡Error al abrir el directorio!</translation>
    </message>
    <message>
        <source>Файл прошивки не найден!</source>
        <translation>¡Archivo de firmware no encontrado!</translation>
    </message>
    <message>
        <source>Ошибка CRC файла прошивки!</source>
        <translation>¡Error de CRC del archivo de firmware!</translation>
    </message>
    <message>
        <source>Ошибка в заголовке файла прошивки!</source>
        <translation>¡Error en la cabecera del firmware!</translation>
    </message>
    <message>
        <source>Ошибка сохранения файла прошивки GUI!</source>
        <translation>¡Error al guardar el firmware de la GUI!</translation>
    </message>
    <message>
        <source>Тайм-аут сохранения файла прошивки GUI!</source>
        <translation>¡Tiempo agotado al guardar firmware GUI!</translation>
    </message>
    <message>
        <source>Ошибка инициализации архиватора MiniLZO!</source>
        <translation>¡Error al iniciar el compresor MiniLZO!</translation>
    </message>
    <message>
        <source>Ошибка архиватора MiniLZO!</source>
        <translation>¡Error del compresor MiniLZO!</translation>
    </message>
    <message>
        <source>Ошибка конфигурирования ЧРП!</source>
        <translation>¡Error de configuración del variador!</translation>
    </message>
    <message>
        <source>Напряжение отпайки не соответсвует рекомендуемой
 Проверьте параметры</source>
        <translation>Tensión de toma distinta de la recomendada
 Verifique los parámetros</translation>
    </message>
    <message>
        <source>Файл конфигурации не найден</source>
        <translation>Archivo de configuración no encontrado</translation>
    </message>
    <message>
        <source>Найдено несколько файлов конфигурации!
Должен быть только один файл</source>
        <translation>¡Hay varios archivos de configuración!
Debe haber solo uno</translation>
    </message>
    <message>
        <source>Ошибка в заголовке файла конфигурации</source>
        <translation>Error en la cabecera de la configuración</translation>
    </message>
    <message>
        <source>Ошибка CRC файла конфигурации</source>
        <translation>Error de CRC del archivo de configuración</translation>
    </message>
    <message>
        <source>Ошибка сжатия архива</source>
        <translation>Error al comprimir el registro</translation>
    </message>
    <message>
        <source>Превышена предельная пусковая частота! 
Снизьте пусковой момент</source>
        <translation>¡Frecuencia de arranque máxima superada! 
Reduzca el par de arranque</translation>
    </message>
    <message>
        <source>Ошибка включения спецалгоримтов
 Проверьте дату запуска УЭЦН</source>
        <translation>Error al activar algoritmos especiales
 Verifique la fecha de arranque del BES</translation>
    </message>
    <message>
        <source>Снижение сопротивления изоляции
 Спецалгоритмы выключены</source>
        <translation>Resistencia de aislamiento baja
 Algoritmos especiales desactivados</translation>
    </message>
    <message>
        <source>Ошибка расчета рекомендуемой отпайки
 Проверьте параметры</source>
        <translation>Error al calcular la toma recomendada
 Verifique los parámetros</translation>
    </message>
    <message>
        <source>Проведите автонастройку</source>
        <translation>Realice el autoajuste</translation>
    </message>
    <message>
        <source>Рекомендованное напряжение отпайки пересчитано
 Проверьте напряжение отпайки</source>
        <translation>Tensión de toma recomendada recalculada
 Verifique la tensión de toma</translation>
    </message>
    <message>
        <source>Ошибка!</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>Спец РН подхват</source>
        <translation>Esp. RN al vuelo</translation>
    </message>
    <message>
        <source>Спец РН плавный</source>
        <translation>Esp. RN rampa</translation>
    </message>
    <message>
        <source>Спец РН толчки</source>
        <translation>Esp. RN pulsos</translation>
    </message>
    <message>
        <source>Спец РН раскачка</source>
        <translation>Esp. RN balanceo</translation>
    </message>
    <message>
        <source>Спец РН</source>
        <translation>Esp. RN</translation>
    </message>
    <message>
        <source>Откл</source>
        <translation>Desact.</translation>
    </message>
    <message>
        <source>Вкл</source>
        <translation>Activ.</translation>
    </message>
    <message>
        <source>Блок</source>
        <translation>Bloqueo</translation>
    </message>
    <message>
        <source>АПВ</source>
        <translation>Rearranque</translation>
    </message>
    <message>
        <source>Однократно</source>
        <translation>Una vez</translation>
    </message>
    <message>
        <source>Постоянно</source>
        <translation>Siempre</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Авария</source>
        <translation>Falla</translation>
    </message>
    <message>
        <source>ТОРМОЖЕНИЕ</source>
        <translation>FRENADO</translation>
    </message>
    <message>
        <source>ЗАПУСК</source>
        <translation>ARRANCANDO</translation>
    </message>
    <message>
        <source>РАБОТА</source>
        <translation>EN MARCHA</translation>
    </message>
    <message>
        <source>ЗАДЕРЖКА СРАБАТЫВАНИЯ</source>
        <translation>RETARDO DE DISPARO</translation>
    </message>
    <message>
        <source>ОЖИДАНИЕ АПВ</source>
        <translation>ESPERA DE REARRANQUE</translation>
    </message>
    <message>
        <source>БЛОКИРОВКА</source>
        <translation>BLOQUEO</translation>
    </message>
    <message>
        <source>СТОП</source>
        <translation>PARADA</translation>
    </message>
    <message>
        <source>Потеряна</source>
        <translation>Perdida</translation>
    </message>
    <message>
        <source>Восстановлена</source>
        <translation>Restablecida</translation>
    </message>
    <message>
        <source>Плавный</source>
        <translation>Rampa</translation>
    </message>
    <message>
        <source>Толчковый</source>
        <translation>Pulsos</translation>
    </message>
    <message>
        <source>Раскачкой</source>
        <translation>Balanceo</translation>
    </message>
    <message>
        <source>С синхронизацией</source>
        <translation>Sincronizado</translation>
    </message>
    <message>
        <source>Подхват</source>
        <translation>Al vuelo</translation>
    </message>
    <message>
        <source>Пропуск F</source>
        <translation>Salto F</translation>
    </message>
    <message>
        <source>Автоадаптация</source>
        <translation>Autoadaptación</translation>
    </message>
    <message>
        <source>Прямой пуск</source>
        <translation>Arranque directo</translation>
    </message>
    <message>
        <source>&quot;Мягкий&quot; пуск</source>
        <translation>Arranque &quot;suave&quot;</translation>
    </message>
    <message>
        <source>C увел. моментом</source>
        <translation>Par elevado</translation>
    </message>
    <message>
        <source>Автонастройка</source>
        <translation>Autoajuste</translation>
    </message>
    <message>
        <source>Спецалгоритмы РН</source>
        <translation>Algoritmos esp. RN</translation>
    </message>
    <message>
        <source>Неизвестный тип пуска</source>
        <translation>Tipo de arranque desconocido</translation>
    </message>
    <message>
        <source>Асинхронный</source>
        <translation>Asíncrono</translation>
    </message>
    <message>
        <source>Вентильный</source>
        <translation>Imanes perm.</translation>
    </message>
    <message>
        <source>Неизвестный</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Прямое</source>
        <translation>Directo</translation>
    </message>
    <message>
        <source>Обратное</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>Векторное</source>
        <translation>Vectorial</translation>
    </message>
    <message>
        <source>Угол</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Мин.ток</source>
        <translation>Corr. mín.</translation>
    </message>
    <message>
        <source>Выбегом</source>
        <translation>Por inercia</translation>
    </message>
    <message>
        <source>Линейная</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>Квадратичная</source>
        <translation>Cuadrática</translation>
    </message>
    <message>
        <source>Обр. квадр.</source>
        <translation>Cuadr. inv.</translation>
    </message>
    <message>
        <source>По точкам</source>
        <translation>Por puntos</translation>
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
        <translation>Reactancia de fase</translation>
    </message>
    <message>
        <source>Инд. по осям</source>
        <translation>Inductancia d/q</translation>
    </message>
    <message>
        <source>Индуктивность</source>
        <translation>Inductancia</translation>
    </message>
    <message>
        <source>Суммарная</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Раздельная</source>
        <translation>Separada</translation>
    </message>
    <message>
        <source>Алюминий</source>
        <translation>Aluminio</translation>
    </message>
    <message>
        <source>Медь</source>
        <translation>Cobre</translation>
    </message>
    <message>
        <source>ВРХ</source>
        <translation>Controlador</translation>
    </message>
    <message>
        <source>Счётчик</source>
        <translation>Medidor</translation>
    </message>
    <message>
        <source>ЧРП</source>
        <translation>Variador</translation>
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
        <translation>Sensor de fondo</translation>
    </message>
    <message>
        <source>УКИ</source>
        <translation>IMD</translation>
    </message>
    <message>
        <source>Обмотка</source>
        <translation>Devanado</translation>
    </message>
    <message>
        <source>Масло</source>
        <translation>Aceite</translation>
    </message>
    <message>
        <source>Фазное</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Линейное</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>На входе</source>
        <translation>En entrada</translation>
    </message>
    <message>
        <source>На выходе</source>
        <translation>En salida</translation>
    </message>
    <message>
        <source>1,0 кГц</source>
        <translation>1,0 kHz</translation>
    </message>
    <message>
        <source>1,5 кГц</source>
        <translation>1,5 kHz</translation>
    </message>
    <message>
        <source>2,0 кГц</source>
        <translation>2,0 kHz</translation>
    </message>
    <message>
        <source>2,5 кГц</source>
        <translation>2,5 kHz</translation>
    </message>
    <message>
        <source>3,0 кГц</source>
        <translation>3,0 kHz</translation>
    </message>
    <message>
        <source>3,5 кГц</source>
        <translation>3,5 kHz</translation>
    </message>
    <message>
        <source>4,0 кГц</source>
        <translation>4,0 kHz</translation>
    </message>
    <message>
        <source>5,0 кГц</source>
        <translation>5,0 kHz</translation>
    </message>
    <message>
        <source>6,0 кГц</source>
        <translation>6,0 kHz</translation>
    </message>
    <message>
        <source>7,0 кГц</source>
        <translation>7,0 kHz</translation>
    </message>
    <message>
        <source>8,0 кГц</source>
        <translation>8,0 kHz</translation>
    </message>
    <message>
        <source>9,0 кГц</source>
        <translation>9,0 kHz</translation>
    </message>
    <message>
        <source>12,0 кГц</source>
        <translation>12,0 kHz</translation>
    </message>
    <message>
        <source>14,0 кГц</source>
        <translation>14,0 kHz</translation>
    </message>
    <message>
        <source>16,0 кГц</source>
        <translation>16,0 kHz</translation>
    </message>
    <message>
        <source>Основной</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Резервный</source>
        <translation>Reserva</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Откл. пит.</source>
        <translation>Corte alim.</translation>
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
        <translation>Por defecto</translation>
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
        <translation>Mostrar consulta</translation>
    </message>
    <message>
        <source>Копирование архивов</source>
        <translation>Copiar registros</translation>
    </message>
    <message>
        <source>Карусель</source>
        <translation>Carrusel</translation>
    </message>
    <message>
        <source>Основное</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Единственное</source>
        <translation>Único</translation>
    </message>
    <message>
        <source>Профиль 1</source>
        <translation>Perfil 1</translation>
    </message>
    <message>
        <source>Профиль 2</source>
        <translation>Perfil 2</translation>
    </message>
    <message>
        <source>Профиль 3</source>
        <translation>Perfil 3</translation>
    </message>
    <message>
        <source>Профиль 4</source>
        <translation>Perfil 4</translation>
    </message>
    <message>
        <source>Профиль 5</source>
        <translation>Perfil 5</translation>
    </message>
    <message>
        <source>Коэффициент</source>
        <translation>Coeficiente</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Valor</translation>
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
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Давление</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>Температура</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Виброускорение</source>
        <translation>Acel. de vibración</translation>
    </message>
    <message>
        <source>Виброскорость</source>
        <translation>Vel. de vibración</translation>
    </message>
    <message>
        <source>Сопротивление изоляции</source>
        <translation>Resistencia de aislamiento</translation>
    </message>
    <message>
        <source>Расход</source>
        <translation>Caudal</translation>
    </message>
    <message>
        <source>Частота</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Ток</source>
        <translation>Corriente</translation>
    </message>
    <message>
        <source>Минус</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>Плюс</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>min</source>
        <translation>mín</translation>
    </message>
    <message>
        <source>max</source>
        <translation>máx</translation>
    </message>
    <message>
        <source>Pmin</source>
        <translation>Pmín</translation>
    </message>
    <message>
        <source>Pmax критическое</source>
        <translation>Pmáx crítica</translation>
    </message>
    <message>
        <source>Замыкание</source>
        <translation>Cierre</translation>
    </message>
    <message>
        <source>Размыкание</source>
        <translation>Apertura</translation>
    </message>
    <message>
        <source>Контактный манометр</source>
        <translation>Manómetro de contacto</translation>
    </message>
    <message>
        <source>Авария реле контроля фаз</source>
        <translation>Falla del relé de control de fases</translation>
    </message>
    <message>
        <source>Разрешение на запуск</source>
        <translation>Permiso de arranque</translation>
    </message>
    <message>
        <source>Аварийное отключение</source>
        <translation>Paro de emergencia</translation>
    </message>
    <message>
        <source>Пуск</source>
        <translation>Arranque</translation>
    </message>
    <message>
        <source>Реверс</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Защита</source>
        <translation>Protección</translation>
    </message>
    <message>
        <source>Кнопка оператора</source>
        <translation>Botón del operador</translation>
    </message>
    <message>
        <source>Работа</source>
        <translation>En marcha</translation>
    </message>
    <message>
        <source>Tемпер. igbt 1</source>
        <translation>Temp. IGBT 1</translation>
    </message>
    <message>
        <source>Входной фильтр</source>
        <translation>Filtro de entrada</translation>
    </message>
    <message>
        <source>СУ готова к запуску</source>
        <translation>Estación lista para arrancar</translation>
    </message>
    <message>
        <source>Авария СУ</source>
        <translation>Falla de estación</translation>
    </message>
    <message>
        <source>Удалённое управление</source>
        <translation>Control remoto</translation>
    </message>
    <message>
        <source>Ручной/Авто</source>
        <translation>Manual/Auto</translation>
    </message>
    <message>
        <source>Ан. вх. 1</source>
        <translation>EA 1</translation>
    </message>
    <message>
        <source>Ан. вх. 2</source>
        <translation>EA 2</translation>
    </message>
    <message>
        <source>Ан. вх. 3</source>
        <translation>EA 3</translation>
    </message>
    <message>
        <source>Ан. вх. 4</source>
        <translation>EA 4</translation>
    </message>
    <message>
        <source>Загрузка</source>
        <translation>Carga</translation>
    </message>
    <message>
        <source>Мощность</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Прямая</source>
        <translation>Directa</translation>
    </message>
    <message>
        <source>Обратная</source>
        <translation>Inversa</translation>
    </message>
    <message>
        <source>Поддержание</source>
        <translation>Mantener</translation>
    </message>
    <message>
        <source>Следование</source>
        <translation>Seguimiento</translation>
    </message>
    <message>
        <source>ДВИГ</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>ВХОД</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>ТМПН</source>
        <translation>Transformador elevador</translation>
    </message>
    <message>
        <source>СУ</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Отключение питания</source>
        <translation>Corte de alimentación</translation>
    </message>
    <message>
        <source>Превышение питания сети</source>
        <translation>Sobretensión de red</translation>
    </message>
    <message>
        <source>Снижение питания сети</source>
        <translation>Subtensión de red</translation>
    </message>
    <message>
        <source>Дисбаланс напряжения</source>
        <translation>Desbalance de tensión</translation>
    </message>
    <message>
        <source>Дисбаланс входных токов</source>
        <translation>Desbalance corr. entrada</translation>
    </message>
    <message>
        <source>Недогруз двигателя</source>
        <translation>Baja carga del motor</translation>
    </message>
    <message>
        <source>Дисбаланс токов ПЭД</source>
        <translation>Desbalance de corriente del motor</translation>
    </message>
    <message>
        <source>Рассинхронизация ПВЭД</source>
        <translation>Pérdida de sincronismo motor PM</translation>
    </message>
    <message>
        <source>Давление на приёме насоса</source>
        <translation>Presión de succión bomba</translation>
    </message>
    <message>
        <source>Перегрев двигателя</source>
        <translation>Sobretemperatura del motor</translation>
    </message>
    <message>
        <source>Температура на приёме</source>
        <translation>Temperatura de succión</translation>
    </message>
    <message>
        <source>Пониженное сопротивление изоляции</source>
        <translation>Resistencia de aislamiento baja</translation>
    </message>
    <message>
        <source>Превышение вибрации</source>
        <translation>Vibración alta</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 1</source>
        <translation>Protección entrada digital 1</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 2</source>
        <translation>Protección entrada digital 2</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 3</source>
        <translation>Protección entrada digital 3</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 4</source>
        <translation>Protección entrada digital 4</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 7</source>
        <translation>Protección entrada digital 7</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 8</source>
        <translation>Protección entrada digital 8</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 9</source>
        <translation>Protección entrada digital 9</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 10</source>
        <translation>Protección entrada digital 10</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 13</source>
        <translation>Protección entrada digital 13</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 14</source>
        <translation>Protección entrada digital 14</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 15</source>
        <translation>Protección entrada digital 15</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 16</source>
        <translation>Protección entrada digital 16</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 17</source>
        <translation>Protección entrada digital 17</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 18</source>
        <translation>Protección entrada digital 18</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 19</source>
        <translation>Protección entrada digital 19</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 20</source>
        <translation>Protección entrada digital 20</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 21</source>
        <translation>Protección entrada digital 21</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 22</source>
        <translation>Protección entrada digital 22</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 23</source>
        <translation>Protección entrada digital 23</translation>
    </message>
    <message>
        <source>Защита по цифровому входу 24</source>
        <translation>Protección entrada digital 24</translation>
    </message>
    <message>
        <source>Превышение числа пусков</source>
        <translation>Exceso de arranques</translation>
    </message>
    <message>
        <source>Блокировка силового отсека</source>
        <translation>Bloqueo del compartimento de potencia</translation>
    </message>
    <message>
        <source>Контроль УКИ</source>
        <translation>Control del IMD</translation>
    </message>
    <message>
        <source>Минимальный расход</source>
        <translation>Caudal mínimo</translation>
    </message>
    <message>
        <source>Pmax на выкиде насоса</source>
        <translation>Pmáx en descarga de bomba</translation>
    </message>
    <message>
        <source>Перегрев радиатора</source>
        <translation>Sobretemperatura del disipador</translation>
    </message>
    <message>
        <source>Потеря связи с ТМС</source>
        <translation>Pérdida de enlace con sensor de fondo</translation>
    </message>
    <message>
        <source>Значение %1 &lt; %2, увеличьте %3</source>
        <translation>Valor %1 &lt; %2, aumente %3</translation>
    </message>
    <message>
        <source>Проверьте: %1</source>
        <translation>Verifique: %1</translation>
    </message>
    <message>
        <source>Идёт: %1</source>
        <translation>En curso: %1</translation>
    </message>
    <message>
        <source>Отложенный пуск</source>
        <translation>Arranque diferido</translation>
    </message>
    <message>
        <source>Отключение режима</source>
        <translation>Modo desactivado</translation>
    </message>
    <message>
        <source>Не выбран тип ЧРП</source>
        <translation>Tipo de variador no elegido</translation>
    </message>
    <message>
        <source>Нет связи с ЧРП</source>
        <translation>Sin enlace con variador</translation>
    </message>
    <message>
        <source>Оператор</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>Автоматический</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Телеуправление</source>
        <translation>Telemando</translation>
    </message>
    <message>
        <source>По программе</source>
        <translation>Por programa</translation>
    </message>
    <message>
        <source>Цифр. вх. 1</source>
        <translation>ED 1</translation>
    </message>
    <message>
        <source>Цифр. вх. 2</source>
        <translation>ED 2</translation>
    </message>
    <message>
        <source>Цифр. вх. 3</source>
        <translation>ED 3</translation>
    </message>
    <message>
        <source>Цифр. вх. 4</source>
        <translation>ED 4</translation>
    </message>
    <message>
        <source>Цифр. вх. 7</source>
        <translation>ED 7</translation>
    </message>
    <message>
        <source>Цифр. вх. 8</source>
        <translation>ED 8</translation>
    </message>
    <message>
        <source>Цифр. вх. 9</source>
        <translation>ED 9</translation>
    </message>
    <message>
        <source>Цифр. вх. 10</source>
        <translation>ED 10</translation>
    </message>
    <message>
        <source>Блокировка двери</source>
        <translation>Enclavamiento de puerta</translation>
    </message>
    <message>
        <source>Pmin на приёме насоса</source>
        <translation>Pmín en succión de bomba</translation>
    </message>
    <message>
        <source>Снижение давления</source>
        <translation>Caída de presión</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Мин.</source>
        <translation>EA 1 Mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Макс.</source>
        <translation>EA 1 Máx.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Мин.</source>
        <translation>EA 2 Mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Макс.</source>
        <translation>EA 2 Máx.</translation>
    </message>
    <message>
        <source>Отключение питания сети</source>
        <translation>Corte de red</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Мин.</source>
        <translation>EA 3 Mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Мин.</source>
        <translation>EA 4 Mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Макс.</source>
        <translation>EA 3 Máx.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Макс.</source>
        <translation>EA 4 Máx.</translation>
    </message>
    <message>
        <source>Аппаратные защиты ЧРП</source>
        <translation>Protecciones hardware variador</translation>
    </message>
    <message>
        <source>Взлом СУ</source>
        <translation>Intrusión en estación</translation>
    </message>
    <message>
        <source>ЧРП. Нет связи</source>
        <translation>Variador. Sin enlace</translation>
    </message>
    <message>
        <source>ЧРП. Ошибка управления</source>
        <translation>Variador. Error de control</translation>
    </message>
    <message>
        <source>Pmax критическое на приёме насоса</source>
        <translation>Pmáx crítica en succión de bomba</translation>
    </message>
    <message>
        <source>АПВ по защите</source>
        <translation>Rearranque tras disparo</translation>
    </message>
    <message>
        <source>Сигнал цифр.вх.</source>
        <translation>Señal ED</translation>
    </message>
    <message>
        <source>Защита цифр.вх.</source>
        <translation>Protección ED</translation>
    </message>
    <message>
        <source>Обороты двиг.</source>
        <translation>Vel. motor</translation>
    </message>
    <message>
        <source>Ток фазы A</source>
        <translation>Corr. fase A</translation>
    </message>
    <message>
        <source>Ток фазы B</source>
        <translation>Corr. fase B</translation>
    </message>
    <message>
        <source>Ток фазы C</source>
        <translation>Corr. fase C</translation>
    </message>
    <message>
        <source>Дисб. токов</source>
        <translation>Desbal. corr.</translation>
    </message>
    <message>
        <source>Ток двигателя</source>
        <translation>Corr. motor</translation>
    </message>
    <message>
        <source>Напряж.</source>
        <translation>Tensión</translation>
    </message>
    <message>
        <source>Коэф. мощн.</source>
        <translation>Factor pot.</translation>
    </message>
    <message>
        <source>Частота турб.</source>
        <translation>Frec. turbina</translation>
    </message>
    <message>
        <source>Сопр.изоляции</source>
        <translation>Resist. aisl.</translation>
    </message>
    <message>
        <source>Черед. фаз</source>
        <translation>Sec. fases</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Режим пуска</source>
        <translation>Modo arranque</translation>
    </message>
    <message>
        <source>Режим работы</source>
        <translation>Modo operación</translation>
    </message>
    <message>
        <source>Дисб. напряж.</source>
        <translation>Desbal. tens.</translation>
    </message>
    <message>
        <source>Дверь</source>
        <translation>Puerta</translation>
    </message>
    <message>
        <source>Конт. маном</source>
        <translation>Manóm. cont.</translation>
    </message>
    <message>
        <source>Период записи в работе</source>
        <translation>Periodo registro en marcha</translation>
    </message>
    <message>
        <source>Период экстренной записи</source>
        <translation>Periodo registro de falla</translation>
    </message>
    <message>
        <source>Период записи ТМС</source>
        <translation>Periodo registro sensor fondo</translation>
    </message>
    <message>
        <source>Номинальная мощность ТМПН</source>
        <translation>Potencia nominal transf. elev.</translation>
    </message>
    <message>
        <source>Номинальный ток ТМПН</source>
        <translation>Corriente nominal transf. elev.</translation>
    </message>
    <message>
        <source>Номинальное напряжение ТМПН</source>
        <translation>Tensión nominal transf. elev.</translation>
    </message>
    <message>
        <source>Длина кабеля</source>
        <translation>Longitud del cable</translation>
    </message>
    <message>
        <source>Сечение кабеля</source>
        <translation>Sección del cable</translation>
    </message>
    <message>
        <source>Рекомендуемое напряжение отпайки</source>
        <translation>Tensión de toma recomendada</translation>
    </message>
    <message>
        <source>Напряжение отпайки</source>
        <translation>Tensión de toma</translation>
    </message>
    <message>
        <source>Тип ТМС</source>
        <translation>Tipo SF</translation>
    </message>
    <message>
        <source>Производительность</source>
        <translation>Capacidad bomba</translation>
    </message>
    <message>
        <source>Напор</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Глубина спуска</source>
        <translation>Prof. de asentamiento</translation>
    </message>
    <message>
        <source>Действие защиты</source>
        <translation>Acción protección</translation>
    </message>
    <message>
        <source>Повышенное напряжение</source>
        <translation>Sobretensión</translation>
    </message>
    <message>
        <source>Пусковое время</source>
        <translation>Tiempo de arranque</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Задержка АПВ</source>
        <translation>Retardo rearranque</translation>
    </message>
    <message>
        <source>Разрешено АПВ</source>
        <translation>Rearranques permitidos</translation>
    </message>
    <message>
        <source>Сброс счётчиков АПВ</source>
        <translation>Reiniciar cont. rearranque</translation>
    </message>
    <message>
        <source>Уставка останова</source>
        <translation>Consigna de parada</translation>
    </message>
    <message>
        <source>Пониженное напряжение</source>
        <translation>Subtensión</translation>
    </message>
    <message>
        <source>Перегруз (ЗП)</source>
        <translation>Sobrecarga</translation>
    </message>
    <message>
        <source>Недогруз (ЗСП)</source>
        <translation>Baja carga</translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя</source>
        <translation>Desbalance corr. motor</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя</source>
        <translation>Pérdida sincronismo motor</translation>
    </message>
    <message>
        <source>Минимальный коэффициент мощности</source>
        <translation>Factor de potencia mínimo</translation>
    </message>
    <message>
        <source>Максимальный ток</source>
        <translation>Corriente máxima</translation>
    </message>
    <message>
        <source>Уставка останова минимум</source>
        <translation>Consigna parada mínima</translation>
    </message>
    <message>
        <source>Уставка пуска</source>
        <translation>Consigna de arranque</translation>
    </message>
    <message>
        <source>Нормализация</source>
        <translation>Normalización</translation>
    </message>
    <message>
        <source>Температура двигателя</source>
        <translation>Temperatura del motor</translation>
    </message>
    <message>
        <source>Работа с пониженным сопротивлением</source>
        <translation>Marcha con resistencia baja</translation>
    </message>
    <message>
        <source>Вибрация двигателя</source>
        <translation>Vibración del motor</translation>
    </message>
    <message>
        <source>Время минимум</source>
        <translation>Tiempo mínimo</translation>
    </message>
    <message>
        <source>Уставка пуска минимум</source>
        <translation>Consigna arranque mínima</translation>
    </message>
    <message>
        <source>Уставка останова максимум</source>
        <translation>Consigna parada máxima</translation>
    </message>
    <message>
        <source>Действие режима</source>
        <translation>Acción del modo</translation>
    </message>
    <message>
        <source>Время работы</source>
        <translation>Tiempo de marcha</translation>
    </message>
    <message>
        <source>Время паузы</source>
        <translation>Tiempo de pausa</translation>
    </message>
    <message>
        <source>Время до конца работы по программе</source>
        <translation>Tiempo restante de marcha (programa)</translation>
    </message>
    <message>
        <source>Время до конца паузы по программе</source>
        <translation>Tiempo restante de pausa (programa)</translation>
    </message>
    <message>
        <source>Рабочая частота f1</source>
        <translation>Frecuencia de trabajo f1</translation>
    </message>
    <message>
        <source>Время работы на частоте f1</source>
        <translation>Tiempo de marcha a f1</translation>
    </message>
    <message>
        <source>Недогруз на частоте f1</source>
        <translation>Baja carga a f1</translation>
    </message>
    <message>
        <source>Рабочая частота f2</source>
        <translation>Frecuencia de trabajo f2</translation>
    </message>
    <message>
        <source>Время работы на частоте f2</source>
        <translation>Tiempo de marcha a f2</translation>
    </message>
    <message>
        <source>Недогруз на частоте f2</source>
        <translation>Baja carga a f2</translation>
    </message>
    <message>
        <source>Начальная частота</source>
        <translation>Frecuencia inicial</translation>
    </message>
    <message>
        <source>Конечная частота</source>
        <translation>Frecuencia final</translation>
    </message>
    <message>
        <source>Период времени</source>
        <translation>Periodo de tiempo</translation>
    </message>
    <message>
        <source>Время перехода на главную форму</source>
        <translation>Volver a pantalla principal tras</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Parámetro</translation>
    </message>
    <message>
        <source>Зависимость</source>
        <translation>Dependencia</translation>
    </message>
    <message>
        <source>Поддерживаемое значение</source>
        <translation>Valor mantenido</translation>
    </message>
    <message>
        <source>Период регулирования</source>
        <translation>Periodo de regulación</translation>
    </message>
    <message>
        <source>Пропорциональный коэффициент</source>
        <translation>Ganancia proporcional</translation>
    </message>
    <message>
        <source>Интегральный коэффициент</source>
        <translation>Ganancia integral</translation>
    </message>
    <message>
        <source>Минимальная частота</source>
        <translation>Frecuencia mínima</translation>
    </message>
    <message>
        <source>Максимальная частота</source>
        <translation>Frecuencia máxima</translation>
    </message>
    <message>
        <source>Периодичность</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Частота f1</source>
        <translation>Frecuencia f1</translation>
    </message>
    <message>
        <source>Темп увеличения частоты</source>
        <translation>Ritmo de subida de frecuencia</translation>
    </message>
    <message>
        <source>Частота f2</source>
        <translation>Frecuencia f2</translation>
    </message>
    <message>
        <source>Темп уменьшения частоты</source>
        <translation>Ritmo de bajada de frecuencia</translation>
    </message>
    <message>
        <source>Сопротивление при 20С</source>
        <translation>Resistencia a 20C</translation>
    </message>
    <message>
        <source>Сопротивление при 80С</source>
        <translation>Resistencia a 80C</translation>
    </message>
    <message>
        <source>Номинальный ток кабеля</source>
        <translation>Corriente nominal del cable</translation>
    </message>
    <message>
        <source>Время нагрева</source>
        <translation>Tiempo de calentamiento</translation>
    </message>
    <message>
        <source>Максимальное отклонение от U/f</source>
        <translation>Desviación máxima de U/f</translation>
    </message>
    <message>
        <source>Шаг изменения напряжения</source>
        <translation>Paso de tensión</translation>
    </message>
    <message>
        <source>Первый цикл после пуска</source>
        <translation>Primer ciclo tras arranque</translation>
    </message>
    <message>
        <source>Периодичность оптимизации</source>
        <translation>Intervalo de optimización</translation>
    </message>
    <message>
        <source>Частота F1</source>
        <translation>Frecuencia F1</translation>
    </message>
    <message>
        <source>Частота F2</source>
        <translation>Frecuencia F2</translation>
    </message>
    <message>
        <source>Время F1</source>
        <translation>Tiempo F1</translation>
    </message>
    <message>
        <source>Порог токоограничения</source>
        <translation>Umbral de límite de corriente</translation>
    </message>
    <message>
        <source>Задержка отключения</source>
        <translation>Retardo de disparo</translation>
    </message>
    <message>
        <source>Коэффициент A</source>
        <translation>Coeficiente A</translation>
    </message>
    <message>
        <source>Коэффициент B</source>
        <translation>Coeficiente B</translation>
    </message>
    <message>
        <source>Коэффициент С</source>
        <translation>Coeficiente C</translation>
    </message>
    <message>
        <source>Коэффициент U</source>
        <translation>Coeficiente U</translation>
    </message>
    <message>
        <source>Коэффициент V</source>
        <translation>Coeficiente V</translation>
    </message>
    <message>
        <source>Коэффициент W</source>
        <translation>Coeficiente W</translation>
    </message>
    <message>
        <source>Номер ЦДНГ</source>
        <translation>Número de unidad de campo</translation>
    </message>
    <message>
        <source>Номер куста</source>
        <translation>Número de macolla</translation>
    </message>
    <message>
        <source>Номер скважины</source>
        <translation>Número de pozo</translation>
    </message>
    <message>
        <source>Количество пусков</source>
        <translation>Número de arranques</translation>
    </message>
    <message>
        <source>Количество отключений по перегрузу</source>
        <translation>Disparos por sobrecarga</translation>
    </message>
    <message>
        <source>Количество отключений по недогрузу</source>
        <translation>Disparos por baja carga</translation>
    </message>
    <message>
        <source>Количество отключений по остальным защитам</source>
        <translation>Disparos por otras protecciones</translation>
    </message>
    <message>
        <source>Количество АПВ после остановов по напряжению</source>
        <translation>Rearranques tras disparos por tensión</translation>
    </message>
    <message>
        <source>Количество АПВ после остановов по перегрузу</source>
        <translation>Rearranques tras disparos por sobrecarga</translation>
    </message>
    <message>
        <source>Количество АПВ после остановов по недогрузу</source>
        <translation>Rearranques tras disparos por baja carga</translation>
    </message>
    <message>
        <source>Количество АПВ после остановов по дисбалансу тока двигателя</source>
        <translation>Rearranques tras disparos por desbalance de corriente</translation>
    </message>
    <message>
        <source>Общее время работы</source>
        <translation>Tiempo total de marcha</translation>
    </message>
    <message>
        <source>Общее время простоя</source>
        <translation>Tiempo total parado</translation>
    </message>
    <message>
        <source>Текущая наработка</source>
        <translation>Marcha actual</translation>
    </message>
    <message>
        <source>Текущий простой</source>
        <translation>Parada actual</translation>
    </message>
    <message>
        <source>Программа</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Время до запуска</source>
        <translation>Tiempo hasta arranque</translation>
    </message>
    <message>
        <source>Последнее включение</source>
        <translation>Último arranque</translation>
    </message>
    <message>
        <source>Причина последнего пуска</source>
        <translation>Causa del último arranque</translation>
    </message>
    <message>
        <source>Последнее отключение</source>
        <translation>Última parada</translation>
    </message>
    <message>
        <source>Причина последнего отключения</source>
        <translation>Causa de la última parada</translation>
    </message>
    <message>
        <source>Последнее изменение частоты</source>
        <translation>Último cambio de frecuencia</translation>
    </message>
    <message>
        <source>Предпоследняя частота</source>
        <translation>Frecuencia anterior</translation>
    </message>
    <message>
        <source>Тип ВРХ</source>
        <translation>Tipo de controlador</translation>
    </message>
    <message>
        <source>Предприятие изготовитель ВРХ</source>
        <translation>Fabricante del controlador</translation>
    </message>
    <message>
        <source>Заводской номер ВРХ</source>
        <translation>N.º de serie del controlador</translation>
    </message>
    <message>
        <source>ПО ВРХ</source>
        <translation>SW controlador</translation>
    </message>
    <message>
        <source>ПО МС</source>
        <translation>SW MS</translation>
    </message>
    <message>
        <source>ПО ПЧ</source>
        <translation>SW variador</translation>
    </message>
    <message>
        <source>Дата изготовления ВРХ</source>
        <translation>Fecha fabricación controlador</translation>
    </message>
    <message>
        <source>Дата установки ПО ВРХ</source>
        <translation>Fecha instalación SW controlador</translation>
    </message>
    <message>
        <source>Дата генерации ПО ВРХ</source>
        <translation>Fecha compilación SW controlador</translation>
    </message>
    <message>
        <source>Дата установки ПО ПЧ</source>
        <translation>Fecha instalación SW variador</translation>
    </message>
    <message>
        <source>Тип СУ</source>
        <translation>Tipo de estación</translation>
    </message>
    <message>
        <source>Предприятие изготовитель СУ</source>
        <translation>Fabricante de la estación</translation>
    </message>
    <message>
        <source>Заводской номер СУ</source>
        <translation>N.º de serie de la estación</translation>
    </message>
    <message>
        <source>Дата изготовления СУ</source>
        <translation>Fecha fabricación estación</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Дата и время</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Год</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Месяц</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Число</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Часы</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Минуты</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Секунды</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Парольная защита</source>
        <translation>Protección por contraseña</translation>
    </message>
    <message>
        <source>Текущий уровень доступа</source>
        <translation>Nivel de acceso actual</translation>
    </message>
    <message>
        <source>Пароль первого уровня</source>
        <translation>Contraseña de nivel 1</translation>
    </message>
    <message>
        <source>Пароль второго уровня</source>
        <translation>Contraseña de nivel 2</translation>
    </message>
    <message>
        <source>Пароль третьего уровня</source>
        <translation>Contraseña de nivel 3</translation>
    </message>
    <message>
        <source>Протокол</source>
        <translation>Protocolo</translation>
    </message>
    <message>
        <source>Протокол обмена</source>
        <translation>Protocolo de intercambio</translation>
    </message>
    <message>
        <source>Адрес</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Скорость порта</source>
        <translation>Velocidad del puerto</translation>
    </message>
    <message>
        <source>Четность</source>
        <translation>Paridad</translation>
    </message>
    <message>
        <source>Количество стоп бит</source>
        <translation>Bits de parada</translation>
    </message>
    <message>
        <source>Задержка ответа</source>
        <translation>Retardo de respuesta</translation>
    </message>
    <message>
        <source>Состояние ЧРП</source>
        <translation>Estado del variador</translation>
    </message>
    <message>
        <source>Считать архив</source>
        <translation>Leer registro</translation>
    </message>
    <message>
        <source>Очистить архив</source>
        <translation>Borrar registro</translation>
    </message>
    <message>
        <source>Очистить сервисный архив</source>
        <translation>Borrar registro de servicio</translation>
    </message>
    <message>
        <source>Сброс всех СчтчАПВ</source>
        <translation>Reinic. todos cont. rearr.</translation>
    </message>
    <message>
        <source>Сбросить значения уставок по умолчанию?</source>
        <translation>¿Restablecer ajustes de fábrica?</translation>
    </message>
    <message>
        <source>СбросСчтчАПВ защит по сети</source>
        <translation>Reinic. cont. rearr. prot. red</translation>
    </message>
    <message>
        <source>СбросСчтчАПВ защит двигателя</source>
        <translation>Reinic. cont. rearr. prot. motor</translation>
    </message>
    <message>
        <source>Уста.по.умол.?</source>
        <translation>¿Predet.?</translation>
    </message>
    <message>
        <source>СбросСчтчАПВ защит ТМС</source>
        <translation>Reinic. cont. rearr. prot. SF</translation>
    </message>
    <message>
        <source>Сбросить все счётчики?</source>
        <translation>¿Reiniciar todos los contadores?</translation>
    </message>
    <message>
        <source>Вых.напр.ТМПН</source>
        <translation>Tens. sal. transf.</translation>
    </message>
    <message>
        <source>Прогрессивная задержка АПВ</source>
        <translation>Retardo progresivo de rearranque</translation>
    </message>
    <message>
        <source>Состояние ВРХ</source>
        <translation>Estado del controlador</translation>
    </message>
    <message>
        <source>Коэффициент трансформации</source>
        <translation>Relación de transformación</translation>
    </message>
    <message>
        <source>Прогрессивная задержка</source>
        <translation>Retardo progresivo</translation>
    </message>
    <message>
        <source>Начальная уставка недогруза</source>
        <translation>Consigna inicial de baja carga</translation>
    </message>
    <message>
        <source>Частота толчков</source>
        <translation>Frecuencia de pulsos</translation>
    </message>
    <message>
        <source>Время толчков</source>
        <translation>Tiempo de pulsos</translation>
    </message>
    <message>
        <source>Время между толчками</source>
        <translation>Tiempo entre pulsos</translation>
    </message>
    <message>
        <source>Напряжение толчков</source>
        <translation>Tensión de pulsos</translation>
    </message>
    <message>
        <source>Количество толчков</source>
        <translation>Número de pulsos</translation>
    </message>
    <message>
        <source>Частота толчков прямая</source>
        <translation>Frecuencia pulsos directos</translation>
    </message>
    <message>
        <source>Количество циклов</source>
        <translation>Número de ciclos</translation>
    </message>
    <message>
        <source>Тип ЧРП</source>
        <translation>Tipo variador</translation>
    </message>
    <message>
        <source>Индуктивность выходного фильтра</source>
        <translation>Inductancia del filtro de salida</translation>
    </message>
    <message>
        <source>Индуктивность двигателя</source>
        <translation>Inductancia del motor</translation>
    </message>
    <message>
        <source>Полное индуктивное сопротивление фазы</source>
        <translation>Reactancia total de fase</translation>
    </message>
    <message>
        <source>Напряжение короткого замыкания</source>
        <translation>Tensión de cortocircuito</translation>
    </message>
    <message>
        <source>Частота питающей сети</source>
        <translation>Frecuencia de red</translation>
    </message>
    <message>
        <source>Связь с верхним контроллером</source>
        <translation>Enlace con SCADA</translation>
    </message>
    <message>
        <source>Связь с ЧРП</source>
        <translation>Enlace con variador</translation>
    </message>
    <message>
        <source>Связь с ТМС</source>
        <translation>Enlace con sensor de fondo</translation>
    </message>
    <message>
        <source>Связь со счётчиком электроэнергии</source>
        <translation>Enlace con medidor de energía</translation>
    </message>
    <message>
        <source>Тип счётчика</source>
        <translation>Tipo de medidor</translation>
    </message>
    <message>
        <source>Напряжение A</source>
        <translation>Tensión A</translation>
    </message>
    <message>
        <source>Напряжение B</source>
        <translation>Tensión B</translation>
    </message>
    <message>
        <source>Напряжение C</source>
        <translation>Tensión C</translation>
    </message>
    <message>
        <source>Напряжение AB</source>
        <translation>Tensión AB</translation>
    </message>
    <message>
        <source>Напряжение BC</source>
        <translation>Tensión BC</translation>
    </message>
    <message>
        <source>Напряжение CA</source>
        <translation>Tensión CA</translation>
    </message>
    <message>
        <source>Выходной фильтр</source>
        <translation>Filtro de salida</translation>
    </message>
    <message>
        <source>Ёмкость выходного фильтра</source>
        <translation>Capacitancia del filtro de salida</translation>
    </message>
    <message>
        <source>Количество АПВ</source>
        <translation>Rearranques</translation>
    </message>
    <message>
        <source>Напряжение питающей сети</source>
        <translation>Tensión de red</translation>
    </message>
    <message>
        <source>Максимальное рабочее напряжение</source>
        <translation>Tensión máxima de trabajo</translation>
    </message>
    <message>
        <source>Количество встряхиваний</source>
        <translation>Número de sacudidas</translation>
    </message>
    <message>
        <source>Кол-во разрешенных АПВ после других защит</source>
        <translation>Rearranques permitidos tras otros disparos</translation>
    </message>
    <message>
        <source>Обновить ПО?</source>
        <translation>¿Actualizar software?</translation>
    </message>
    <message>
        <source>Перезагрузить ПО?</source>
        <translation>¿Reiniciar software?</translation>
    </message>
    <message>
        <source>Время переключения окон</source>
        <translation>Tiempo de cambio de pantalla</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП1</source>
        <translation>Estado var. 1</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП2</source>
        <translation>Estado var. 2</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП3</source>
        <translation>Estado var. 3</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП4</source>
        <translation>Estado var. 4</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП7</source>
        <translation>Estado var. 7</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП5</source>
        <translation>Estado var. 5</translation>
    </message>
    <message>
        <source>Максимальная рабочая частота</source>
        <translation>Frecuencia máxima de trabajo</translation>
    </message>
    <message>
        <source>Таймер контроллера SL. Предел тока (13-20.6)</source>
        <translation>Temporizador SL. Límite de corriente (13-20.6)</translation>
    </message>
    <message>
        <source>Связь с ЧРП - быстрые архивы</source>
        <translation>Enlace variador - registros rápidos</translation>
    </message>
    <message>
        <source>Тип двигателя</source>
        <translation>Tipo de motor</translation>
    </message>
    <message>
        <source>Падение напряжения на кабеле</source>
        <translation>Caída de tensión en cable</translation>
    </message>
    <message>
        <source>Падение напряжения на фильтре</source>
        <translation>Caída de tensión en filtro</translation>
    </message>
    <message>
        <source>Частота толчка</source>
        <translation>Frecuencia de pulso</translation>
    </message>
    <message>
        <source>Угол качания</source>
        <translation>Ángulo de balanceo</translation>
    </message>
    <message>
        <source>Количество оборотов двигателя</source>
        <translation>Vueltas del motor</translation>
    </message>
    <message>
        <source>Кратность напряжения импульса расклинки</source>
        <translation>Relación de tensión del pulso de desatasco</translation>
    </message>
    <message>
        <source>Токоограничение в режиме</source>
        <translation>Límite de corriente en modo</translation>
    </message>
    <message>
        <source>Порог токоограничения импульса</source>
        <translation>Umbral límite corriente de pulso</translation>
    </message>
    <message>
        <source>Количество качаний на угол</source>
        <translation>Balanceos por ángulo</translation>
    </message>
    <message>
        <source>Тип сигнала</source>
        <translation>Tipo de señal</translation>
    </message>
    <message>
        <source>Действие по сигналу</source>
        <translation>Acción por señal</translation>
    </message>
    <message>
        <source>Расчётное напряжение двигателя</source>
        <translation>Tensión calculada del motor</translation>
    </message>
    <message>
        <source>Цифр. вх. 5</source>
        <translation>ED 5</translation>
    </message>
    <message>
        <source>Цифр. вх. 6</source>
        <translation>ED 6</translation>
    </message>
    <message>
        <source>Цифр. вх. 11</source>
        <translation>ED 11</translation>
    </message>
    <message>
        <source>Цифр. вх. 12</source>
        <translation>ED 12</translation>
    </message>
    <message>
        <source>Время работы в течении суток</source>
        <translation>Tiempo de marcha diario</translation>
    </message>
    <message>
        <source>Температура процессора</source>
        <translation>Temperatura del procesador</translation>
    </message>
    <message>
        <source>Температура контроллера</source>
        <translation>Temperatura del controlador</translation>
    </message>
    <message>
        <source>Ан. вх. 5</source>
        <translation>EA 5</translation>
    </message>
    <message>
        <source>Тип входа</source>
        <translation>Tipo entrada</translation>
    </message>
    <message>
        <source>Минимум шкалы</source>
        <translation>Mínimo de escala</translation>
    </message>
    <message>
        <source>Максимум шкалы</source>
        <translation>Máximo de escala</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП6</source>
        <translation>Estado var. 6</translation>
    </message>
    <message>
        <source>Код аварии ЧРП</source>
        <translation>Código de falla variador</translation>
    </message>
    <message>
        <source>Код предупреждения ЧРП</source>
        <translation>Código de advertencia variador</translation>
    </message>
    <message>
        <source>Сохранять в архивах отказы датчиков</source>
        <translation>Registrar fallas de sensores</translation>
    </message>
    <message>
        <source>Тестовое значение</source>
        <translation>Valor de prueba</translation>
    </message>
    <message>
        <source>Число начала расчётного периода в месяце</source>
        <translation>Día de inicio del periodo de cálculo</translation>
    </message>
    <message>
        <source>Уставка частоты</source>
        <translation>Consigna frec.</translation>
    </message>
    <message>
        <source>Коэффициент C</source>
        <translation>Coeficiente C</translation>
    </message>
    <message>
        <source>Полная загрузка</source>
        <translation>Carga total</translation>
    </message>
    <message>
        <source>Расчётное время</source>
        <translation>Tiempo calculado</translation>
    </message>
    <message>
        <source>Измерение токов ЧРП</source>
        <translation>Medición de corrientes variador</translation>
    </message>
    <message>
        <source>IP-адрес</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Маска подсети</source>
        <translation>Máscara de subred</translation>
    </message>
    <message>
        <source>Подключение flashdisk к USB</source>
        <translation>Memoria USB conectada</translation>
    </message>
    <message>
        <source>Текущее состояние режима</source>
        <translation>Estado actual del modo</translation>
    </message>
    <message>
        <source>Время начала периода встряхивания</source>
        <translation>Inicio del periodo de sacudida</translation>
    </message>
    <message>
        <source>Гарантированный пуск</source>
        <translation>Arranque garantizado</translation>
    </message>
    <message>
        <source>Текущий недогруз</source>
        <translation>Baja carga actual</translation>
    </message>
    <message>
        <source>Номинальный ток СУ</source>
        <translation>Corriente nominal estación</translation>
    </message>
    <message>
        <source>Качество связи</source>
        <translation>Calidad del enlace</translation>
    </message>
    <message>
        <source>Счётчик запросов</source>
        <translation>Solicitudes</translation>
    </message>
    <message>
        <source>Счетчик ответов</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Счетчик некорректных ответов</source>
        <translation>Respuestas erróneas</translation>
    </message>
    <message>
        <source>Счётчик ошибок контрольной суммы</source>
        <translation>Errores de suma de control</translation>
    </message>
    <message>
        <source>Счётчик ошибок устройства</source>
        <translation>Errores del dispositivo</translation>
    </message>
    <message>
        <source>Счётчик потерянных ответов</source>
        <translation>Respuestas perdidas</translation>
    </message>
    <message>
        <source>Сбросить счётчики качества связи</source>
        <translation>Reiniciar contadores de calidad de enlace</translation>
    </message>
    <message>
        <source>Количество АПВ всех защит</source>
        <translation>Rearranques, todas las protecciones</translation>
    </message>
    <message>
        <source>Давление на выкиде насоса</source>
        <translation>Presión de descarga bomba</translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Разрешено АПВ</source>
        <translation>Rearranques por sobrecarga permitidos</translation>
    </message>
    <message>
        <source>Максимум параметров в одном запросе</source>
        <translation>Máx. parámetros por solicitud</translation>
    </message>
    <message>
        <source>Состояние оптимизации</source>
        <translation>Estado de optimización</translation>
    </message>
    <message>
        <source>Релейный выход 1</source>
        <translation>Salida de relé 1</translation>
    </message>
    <message>
        <source>Релейный выход 2</source>
        <translation>Salida de relé 2</translation>
    </message>
    <message>
        <source>Релейный выход 3</source>
        <translation>Salida de relé 3</translation>
    </message>
    <message>
        <source>Релейный выход 4</source>
        <translation>Salida de relé 4</translation>
    </message>
    <message>
        <source>Приращение сопротивления статора</source>
        <translation>Incremento de resistencia del estator</translation>
    </message>
    <message>
        <source>!Снижение частоты</source>
        <translation>!Reducción de frecuencia</translation>
    </message>
    <message>
        <source>Минимальное сопротивление изоляции</source>
        <translation>Resistencia mínima de aislamiento</translation>
    </message>
    <message>
        <source>Наработка с момента первичного запуска</source>
        <translation>Marcha desde primer arranque</translation>
    </message>
    <message>
        <source>Подхват.Максимальная мощность двигателя</source>
        <translation>Al vuelo.Potencia máx. motor</translation>
    </message>
    <message>
        <source>Подхват.Задержка АПВ</source>
        <translation>Al vuelo.Retardo rearranque</translation>
    </message>
    <message>
        <source>!Подхват.Снижение частоты между попытками</source>
        <translation>!Al vuelo.Bajada frec. entre intentos</translation>
    </message>
    <message>
        <source>Темп изменения частоты</source>
        <translation>Ritmo de cambio de frecuencia</translation>
    </message>
    <message>
        <source>Частота синхронизации</source>
        <translation>Frecuencia de sincronización</translation>
    </message>
    <message>
        <source>Время синхронизации</source>
        <translation>Tiempo de sincronización</translation>
    </message>
    <message>
        <source>!Время работы на пониженной частоте</source>
        <translation>!Tiempo de marcha a frecuencia reducida</translation>
    </message>
    <message>
        <source>Текущая уставка останова</source>
        <translation>Consigna de parada actual</translation>
    </message>
    <message>
        <source>Лимит наработки с момента первичного запуска</source>
        <translation>Límite de marcha desde primer arranque</translation>
    </message>
    <message>
        <source>!Кратность перегрузки</source>
        <translation>!Relación de sobrecarga</translation>
    </message>
    <message>
        <source>Профиль двигателя в ЧРП</source>
        <translation>Perfil de motor en variador</translation>
    </message>
    <message>
        <source>Сброс уставок</source>
        <translation>Restablecer ajustes</translation>
    </message>
    <message>
        <source>Смещение</source>
        <translation>Desplazamiento</translation>
    </message>
    <message>
        <source>Знак смещения</source>
        <translation>Signo de desplazamiento</translation>
    </message>
    <message>
        <source>Частота ожидания</source>
        <translation>Frecuencia de espera</translation>
    </message>
    <message>
        <source>Время ожидания</source>
        <translation>Tiempo de espera</translation>
    </message>
    <message>
        <source>Время разгона</source>
        <translation>Tiempo de aceleración</translation>
    </message>
    <message>
        <source>Время торможения</source>
        <translation>Tiempo de desaceleración</translation>
    </message>
    <message>
        <source>Предыдущие обороты двигателя</source>
        <translation>Velocidad anterior del motor</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Давление на приёме насоса&quot;</source>
        <translation>Estado sensor &quot;Presión de succión&quot;</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Температура на приеме насоса&quot;</source>
        <translation>Estado sensor &quot;Temperatura de succión&quot;</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Температура обмотки ПЭД&quot;</source>
        <translation>Estado sensor &quot;Temp. devanado motor&quot;</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Температура масла ПЭД&quot;</source>
        <translation>Estado sensor &quot;Temp. aceite motor&quot;</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Вибрация по оси X&quot;</source>
        <translation>Estado sensor &quot;Vibración eje X&quot;</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Вибрация по оси Y&quot;</source>
        <translation>Estado sensor &quot;Vibración eje Y&quot;</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Вибрация по оси Z&quot;</source>
        <translation>Estado sensor &quot;Vibración eje Z&quot;</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Давление на выкиде насоса в НКТ&quot;</source>
        <translation>Estado sensor &quot;Presión descarga, tubería&quot;</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Давление на выкиде насоса затрубное&quot;</source>
        <translation>Estado sensor &quot;Presión descarga, anular&quot;</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Температура на выкиде насоса&quot;</source>
        <translation>Estado sensor &quot;Temperatura de descarga&quot;</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Расход жидкости на выкиде насоса&quot;</source>
        <translation>Estado sensor &quot;Caudal de descarga&quot;</translation>
    </message>
    <message>
        <source>Состояние датчика &quot;Обводненность&quot;</source>
        <translation>Estado sensor &quot;Corte de agua&quot;</translation>
    </message>
    <message>
        <source>Удельная ЭДС</source>
        <translation>Constante de FCEM</translation>
    </message>
    <message>
        <source>Байпасные контакторы</source>
        <translation>Contactores de bypass</translation>
    </message>
    <message>
        <source>Управляющий сигнал на KM1</source>
        <translation>Señal de mando a KM1</translation>
    </message>
    <message>
        <source>Управляющий сигнал на KM2</source>
        <translation>Señal de mando a KM2</translation>
    </message>
    <message>
        <source>Состояние KM1</source>
        <translation>Estado KM1</translation>
    </message>
    <message>
        <source>Состояние KM2</source>
        <translation>Estado KM2</translation>
    </message>
    <message>
        <source>Загрузка Ia</source>
        <translation>Carga Ia</translation>
    </message>
    <message>
        <source>Загрузка Ib</source>
        <translation>Carga Ib</translation>
    </message>
    <message>
        <source>Загрузка Ic</source>
        <translation>Carga Ic</translation>
    </message>
    <message>
        <source>Ан. вх. 6</source>
        <translation>EA 6</translation>
    </message>
    <message>
        <source>Ан. вх. 6 Смещ.</source>
        <translation>EA 6 Despl.</translation>
    </message>
    <message>
        <source>Ан. вх. 6 Коэф.</source>
        <translation>EA 6 Coef.</translation>
    </message>
    <message>
        <source>Ан. вх. 7</source>
        <translation>EA 7</translation>
    </message>
    <message>
        <source>Ан. вх. 7 Смещ.</source>
        <translation>EA 7 Despl.</translation>
    </message>
    <message>
        <source>Ан. вх. 7 Коэф.</source>
        <translation>EA 7 Coef.</translation>
    </message>
    <message>
        <source>Ан. вх. 8</source>
        <translation>EA 8</translation>
    </message>
    <message>
        <source>Ан. вх. 8 Смещ.</source>
        <translation>EA 8 Despl.</translation>
    </message>
    <message>
        <source>Ан. вх. 8 Коэф.</source>
        <translation>EA 8 Coef.</translation>
    </message>
    <message>
        <source>Ан. вх. 6 Тип</source>
        <translation>EA 6 Tipo</translation>
    </message>
    <message>
        <source>Ан. вх. 7 Тип</source>
        <translation>EA 7 Tipo</translation>
    </message>
    <message>
        <source>Ан. вх. 8. Тип</source>
        <translation>EA 8. Tipo</translation>
    </message>
    <message>
        <source>Максимальный ток СУ</source>
        <translation>Corriente máx. estación</translation>
    </message>
    <message>
        <source>Сохранить уставки в профиль</source>
        <translation>Guardar ajustes en perfil</translation>
    </message>
    <message>
        <source>Загрузить уставки из профиля</source>
        <translation>Cargar ajustes de perfil</translation>
    </message>
    <message>
        <source>Профиль уставок по умолчанию</source>
        <translation>Perfil de ajustes por defecto</translation>
    </message>
    <message>
        <source>Сбросить значения всех уставок по умолчанию?</source>
        <translation>¿Restablecer todos los ajustes de fábrica?</translation>
    </message>
    <message>
        <source>Сохранить конфигурацию на USB носитель</source>
        <translation>Guardar configuración en USB</translation>
    </message>
    <message>
        <source>Загрузить конфигурацию с USB носителя</source>
        <translation>Cargar configuración desde USB</translation>
    </message>
    <message>
        <source>Ан. вх. 5 Смещ.</source>
        <translation>EA 5 Despl.</translation>
    </message>
    <message>
        <source>Ан. вх. 5 Знак</source>
        <translation>EA 5 Signo</translation>
    </message>
    <message>
        <source>Ан. вх. 5 Коэф.</source>
        <translation>EA 5 Coef.</translation>
    </message>
    <message>
        <source>Ан. вх. 6 Знак</source>
        <translation>EA 6 Signo</translation>
    </message>
    <message>
        <source>Ан. вх. 7 Знак</source>
        <translation>EA 7 Signo</translation>
    </message>
    <message>
        <source>Ан. вх. 8 Знак</source>
        <translation>EA 8 Signo</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Смещ.</source>
        <translation>EA 1 Despl.</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак</source>
        <translation>EA 1 Signo</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Коэф.</source>
        <translation>EA 1 Coef.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Смещ.</source>
        <translation>EA 2 Despl.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак</source>
        <translation>EA 2 Signo</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Коэф.</source>
        <translation>EA 2 Coef.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Смещ.</source>
        <translation>EA 3 Despl.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак</source>
        <translation>EA 3 Signo</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Коэф.</source>
        <translation>EA 3 Coef.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Смещ.</source>
        <translation>EA 4 Despl.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак</source>
        <translation>EA 4 Signo</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Коэф.</source>
        <translation>EA 4 Coef.</translation>
    </message>
    <message>
        <source>Ан. вх. 5 Тип</source>
        <translation>EA 5 Tipo</translation>
    </message>
    <message>
        <source>Датчик температура фильтра</source>
        <translation>Sensor de temperatura del filtro</translation>
    </message>
    <message>
        <source>Интерфейс</source>
        <translation>Interfaz</translation>
    </message>
    <message>
        <source>Ревизия ПО GUI</source>
        <translation>Revisión SW GUI</translation>
    </message>
    <message>
        <source>Ревизия ПО Core</source>
        <translation>Revisión SW Core</translation>
    </message>
    <message>
        <source>Единицы измерения</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Уставка пуска максимум</source>
        <translation>Consigna arranque máxima</translation>
    </message>
    <message>
        <source>Повышение загрузки для деактивации</source>
        <translation>Aumento de carga para desactivar</translation>
    </message>
    <message>
        <source>Задержка активации</source>
        <translation>Retardo de activación</translation>
    </message>
    <message>
        <source>Текущее состояние режима прокачки газа</source>
        <translation>Estado del modo de purga de gas</translation>
    </message>
    <message>
        <source>Время начала работы на частоте прокачки</source>
        <translation>Inicio de marcha a frec. de purga</translation>
    </message>
    <message>
        <source>Текущее количество циклов прокачки</source>
        <translation>Ciclos de purga realizados</translation>
    </message>
    <message>
        <source>Сохранённая уставка частоты</source>
        <translation>Consigna de frecuencia guardada</translation>
    </message>
    <message>
        <source>Уставка активации режима</source>
        <translation>Consigna de activación del modo</translation>
    </message>
    <message>
        <source>Режим &quot;мягкого&quot; пуска</source>
        <translation>Modo de arranque &quot;suave&quot;</translation>
    </message>
    <message>
        <source>Адрес последней записи архива</source>
        <translation>Dirección del último registro</translation>
    </message>
    <message>
        <source>Адрес первого регистра архива</source>
        <translation>Dirección del primer registro</translation>
    </message>
    <message>
        <source>Адрес последнего регистра архива</source>
        <translation>Dirección del último registro del archivo</translation>
    </message>
    <message>
        <source>Счётчик записей в архиве</source>
        <translation>Número de registros</translation>
    </message>
    <message>
        <source>Период записи ТМС первый час после останова</source>
        <translation>Periodo registro SF 1.ª hora tras parada</translation>
    </message>
    <message>
        <source>Код ошибок архива ГДИ</source>
        <translation>Código de error del registro de pruebas</translation>
    </message>
    <message>
        <source>Источник</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Автовыбор источника</source>
        <translation>Selección auto de fuente</translation>
    </message>
    <message>
        <source>Пересчитывать границы</source>
        <translation>Recalcular límites</translation>
    </message>
    <message>
        <source>Восстанавливать характеристику U/f</source>
        <translation>Restaurar curva U/f</translation>
    </message>
    <message>
        <source>Первый шаг</source>
        <translation>Primer paso</translation>
    </message>
    <message>
        <source>Изменение тока для принятия решения</source>
        <translation>Cambio de corriente para decidir</translation>
    </message>
    <message>
        <source>Период усреднения тока</source>
        <translation>Periodo de promedio de corriente</translation>
    </message>
    <message>
        <source>Начало цикла после возврата характеристики U/f</source>
        <translation>Inicio de ciclo tras restaurar U/f</translation>
    </message>
    <message>
        <source>Напряжение U</source>
        <translation>Tensión U</translation>
    </message>
    <message>
        <source>Напряжение V</source>
        <translation>Tensión V</translation>
    </message>
    <message>
        <source>Напряжение W</source>
        <translation>Tensión W</translation>
    </message>
    <message>
        <source>Напряжение</source>
        <translation>Tensión</translation>
    </message>
    <message>
        <source>Напряжение UV</source>
        <translation>Tensión UV</translation>
    </message>
    <message>
        <source>Напряжение VW</source>
        <translation>Tensión VW</translation>
    </message>
    <message>
        <source>Напряжение WU</source>
        <translation>Tensión WU</translation>
    </message>
    <message>
        <source>Ток фазы U</source>
        <translation>Corr. fase U</translation>
    </message>
    <message>
        <source>Ток фазы V</source>
        <translation>Corr. fase V</translation>
    </message>
    <message>
        <source>Ток фазы W</source>
        <translation>Corr. fase W</translation>
    </message>
    <message>
        <source>Активная мощн.</source>
        <translation>Pot. activa</translation>
    </message>
    <message>
        <source>Полное сопротивление фазы</source>
        <translation>Impedancia de fase</translation>
    </message>
    <message>
        <source>Активное сопротивление фазы</source>
        <translation>Resistencia de fase</translation>
    </message>
    <message>
        <source>Погонная индуктивность кабеля на км</source>
        <translation>Inductancia del cable por km</translation>
    </message>
    <message>
        <source>Температура жидкости</source>
        <translation>Temperatura del fluido</translation>
    </message>
    <message>
        <source>ЭДС по модели</source>
        <translation>FCEM (modelo)</translation>
    </message>
    <message>
        <source>Формат вывода напряжения</source>
        <translation>Formato de tensión</translation>
    </message>
    <message>
        <source>Сжать архив</source>
        <translation>Comprimir registro</translation>
    </message>
    <message>
        <source>Состояние архива</source>
        <translation>Estado del registro</translation>
    </message>
    <message>
        <source>Размер сжатого архива</source>
        <translation>Tamaño registro comprimido</translation>
    </message>
    <message>
        <source>Минимум шкалы. Ось смещения</source>
        <translation>Mínimo de escala. Eje despl.</translation>
    </message>
    <message>
        <source>Максимум шкалы. Ось смещения</source>
        <translation>Máximo de escala. Eje despl.</translation>
    </message>
    <message>
        <source>Уставка останова минимум. Ось смещения</source>
        <translation>Consigna parada mín. Eje despl.</translation>
    </message>
    <message>
        <source>Уставка останова максимум. Ось смещения</source>
        <translation>Consigna parada máx. Eje despl.</translation>
    </message>
    <message>
        <source>Уставка пуска минимум. Ось смещения</source>
        <translation>Consigna arranque mín. Eje despl.</translation>
    </message>
    <message>
        <source>Уставка пуска максимум. Ось смещения</source>
        <translation>Consigna arranque máx. Eje despl.</translation>
    </message>
    <message>
        <source>Минимальная яркость дисплея</source>
        <translation>Brillo mínimo de pantalla</translation>
    </message>
    <message>
        <source>Максимальная яркость дисплея</source>
        <translation>Brillo máximo de pantalla</translation>
    </message>
    <message>
        <source>Заданны все необходимые параметры</source>
        <translation>Parámetros necesarios ajustados</translation>
    </message>
    <message>
        <source>ЭДС по паспорту</source>
        <translation>FCEM nominal</translation>
    </message>
    <message>
        <source>Отклонение ЭДС</source>
        <translation>Desviación de FCEM</translation>
    </message>
    <message>
        <source>Мощность короткого замыкания</source>
        <translation>Potencia de cortocircuito</translation>
    </message>
    <message>
        <source>Коэффициент корректировки турб. вращения</source>
        <translation>Corrección de rotación por turbina</translation>
    </message>
    <message>
        <source>Положение датчика</source>
        <translation>Posición sensor</translation>
    </message>
    <message>
        <source>Уставка останова по ЭДС</source>
        <translation>Consigna de parada por FCEM</translation>
    </message>
    <message>
        <source>Запуск после автоадаптации</source>
        <translation>Arranque tras autoadaptación</translation>
    </message>
    <message>
        <source>Время измерения тока</source>
        <translation>Tiempo de medición de corriente</translation>
    </message>
    <message>
        <source>Время контроля специальных алгоритмов</source>
        <translation>Tiempo de control de algoritmos especiales</translation>
    </message>
    <message>
        <source>Время начала выполнения восстановления загрукзи</source>
        <translation>Inicio de recuperación de carga</translation>
    </message>
    <message>
        <source>Название входа</source>
        <translation>Nombre de la entrada</translation>
    </message>
    <message>
        <source>Цифровой вход 7</source>
        <translation>Entrada digital 7</translation>
    </message>
    <message>
        <source>Цифровой вход 8</source>
        <translation>Entrada digital 8</translation>
    </message>
    <message>
        <source>Цифровой вход 9</source>
        <translation>Entrada digital 9</translation>
    </message>
    <message>
        <source>Цифровой вход 10</source>
        <translation>Entrada digital 10</translation>
    </message>
    <message>
        <source>UUID ТМСН</source>
        <translation>UUID SF-F</translation>
    </message>
    <message>
        <source>HASH ТМСН</source>
        <translation>HASH SF-F</translation>
    </message>
    <message>
        <source>UUID ТМСП</source>
        <translation>UUID SF-S</translation>
    </message>
    <message>
        <source>HASH ТМСП</source>
        <translation>HASH SF-S</translation>
    </message>
    <message>
        <source>Данные автоадаптации</source>
        <translation>Datos de autoadaptación</translation>
    </message>
    <message>
        <source>Заклинивание</source>
        <translation>Atascamiento</translation>
    </message>
    <message>
        <source>Фиксация недогруза</source>
        <translation>Detección de baja carga</translation>
    </message>
    <message>
        <source>Выход из режима индикации</source>
        <translation>Salir del modo de indicación</translation>
    </message>
    <message>
        <source>Металл кабеля</source>
        <translation>Conductor del cable</translation>
    </message>
    <message>
        <source>Коэффициент домножения для рассчётной отпайки</source>
        <translation>Multiplicador para toma calculada</translation>
    </message>
    <message>
        <source>Параметр для расчёта индуктивности</source>
        <translation>Dato para cálculo de inductancia</translation>
    </message>
    <message>
        <source>Нефтяная компания</source>
        <translation>Petrolera</translation>
    </message>
    <message>
        <source>Кратность пускового момента</source>
        <translation>Relación de par de arranque</translation>
    </message>
    <message>
        <source>Максимальная пусковая частота</source>
        <translation>Frecuencia máxima de arranque</translation>
    </message>
    <message>
        <source>Граничная частота</source>
        <translation>Frecuencia límite</translation>
    </message>
    <message>
        <source>Допустимый предел насыщения ТМПН</source>
        <translation>Límite de saturación del transf. elevador</translation>
    </message>
    <message>
        <source>Компенсация выходного напряжения ЧРП</source>
        <translation>Compensación de tensión de salida variador</translation>
    </message>
    <message>
        <source>Пусковая частота</source>
        <translation>Frecuencia de arranque</translation>
    </message>
    <message>
        <source>Температура поверхности</source>
        <translation>Temperatura de superficie</translation>
    </message>
    <message>
        <source>Активное сопротивление фазы фильтра</source>
        <translation>Resistencia de fase del filtro</translation>
    </message>
    <message>
        <source>Напряжение U4</source>
        <translation>Tensión U4</translation>
    </message>
    <message>
        <source>Частота f4</source>
        <translation>Frecuencia f4</translation>
    </message>
    <message>
        <source>Напряжение U2</source>
        <translation>Tensión U2</translation>
    </message>
    <message>
        <source>Напряжение U3</source>
        <translation>Tensión U3</translation>
    </message>
    <message>
        <source>Частота f3</source>
        <translation>Frecuencia f3</translation>
    </message>
    <message>
        <source>Подхват. Предыдущая частота подхвата</source>
        <translation>Al vuelo. Frecuencia anterior</translation>
    </message>
    <message>
        <source>!Подхват.Разрешено попыток подхвата</source>
        <translation>!Al vuelo.Intentos permitidos</translation>
    </message>
    <message>
        <source>Постоянная времени перегрузки ПЧ</source>
        <translation>Constante de tiempo de sobrecarga variador</translation>
    </message>
    <message>
        <source>Перегрузка (ЗП)</source>
        <translation>Sobrecarga (SC)</translation>
    </message>
    <message>
        <source>Синхронизация времени с NTP сервером</source>
        <translation>Sincronizar hora con servidor NTP</translation>
    </message>
    <message>
        <source>Период синхронизации времени с NTP сервером</source>
        <translation>Periodo de sincronización NTP</translation>
    </message>
    <message>
        <source>Адрес NTP сервера</source>
        <translation>Dirección del servidor NTP</translation>
    </message>
    <message>
        <source>Снизьте пусковой момент</source>
        <translation>Reduzca el par de arranque</translation>
    </message>
    <message>
        <source>Время отключения ВРХ</source>
        <translation>Hora de apagado del controlador</translation>
    </message>
    <message>
        <source>Время отключения GUI</source>
        <translation>Hora de apagado de la GUI</translation>
    </message>
    <message>
        <source>Время отключения подсветки дисплея</source>
        <translation>Tiempo de apagado de retroiluminación</translation>
    </message>
    <message>
        <source>Причина предпоследнего отключения</source>
        <translation>Causa de la penúltima parada</translation>
    </message>
    <message>
        <source>Часовой пояс</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Предел тока</source>
        <translation>Límite de corriente</translation>
    </message>
    <message>
        <source>Автоматический переход на следующий параметр</source>
        <translation>Pasar al siguiente parámetro automáticamente</translation>
    </message>
    <message>
        <source>Плотность нефти</source>
        <translation>Densidad del petróleo</translation>
    </message>
    <message>
        <source>Плотность воды</source>
        <translation>Densidad del agua</translation>
    </message>
    <message>
        <source>Обводненность</source>
        <translation>Corte de agua</translation>
    </message>
    <message>
        <source>Глубина скважины до ИП</source>
        <translation>Profundidad a los disparos</translation>
    </message>
    <message>
        <source>Искусственный забой</source>
        <translation>Fondo artificial</translation>
    </message>
    <message>
        <source>Удлинитель ЭК до ИЗ</source>
        <translation>Extensión del revestimiento al fondo art.</translation>
    </message>
    <message>
        <source>Диаметр НКТ</source>
        <translation>Diámetro de la tubería</translation>
    </message>
    <message>
        <source>Толщина стенки НКТ</source>
        <translation>Espesor de pared de la tubería</translation>
    </message>
    <message>
        <source>Диаметр ЭК</source>
        <translation>Diámetro del revestimiento</translation>
    </message>
    <message>
        <source>Толщина стенки ЭК</source>
        <translation>Espesor de pared del revestimiento</translation>
    </message>
    <message>
        <source>Динамический уровень</source>
        <translation>Nivel dinámico</translation>
    </message>
    <message>
        <source>Устьевое давление</source>
        <translation>Presión en cabeza de pozo</translation>
    </message>
    <message>
        <source>Затрубное давление</source>
        <translation>Presión anular</translation>
    </message>
    <message>
        <source>Линейное давление</source>
        <translation>Presión de línea</translation>
    </message>
    <message>
        <source>Разв. турб. вращ. зад. АПВ</source>
        <translation>Retardo rearr. giro inverso turbina</translation>
    </message>
    <message>
        <source>Номинальное скольжение</source>
        <translation>Deslizamiento nominal</translation>
    </message>
    <message>
        <source>Подавление резонанса</source>
        <translation>Supresión de resonancia</translation>
    </message>
    <message>
        <source>Время до конца работы на частоте F1</source>
        <translation>Tiempo restante a F1</translation>
    </message>
    <message>
        <source>Время до конца работы на частоте F2</source>
        <translation>Tiempo restante a F2</translation>
    </message>
    <message>
        <source>Отладочные сообщения телемеханики</source>
        <translation>Mensajes de depuración de telemetría</translation>
    </message>
    <message>
        <source>Частота ШИМ</source>
        <translation>Frecuencia PWM</translation>
    </message>
    <message>
        <source>Нижняя граница от номинального тока</source>
        <translation>Límite inferior, % de corriente nominal</translation>
    </message>
    <message>
        <source>Верхняя граница от номинального тока</source>
        <translation>Límite superior, % de corriente nominal</translation>
    </message>
    <message>
        <source>Делитель шага подбора</source>
        <translation>Divisor del paso de ajuste</translation>
    </message>
    <message>
        <source>Максимальное сопротивление статора</source>
        <translation>Resistencia máxima del estator</translation>
    </message>
    <message>
        <source>Минимальный шаг подбора</source>
        <translation>Paso mínimo de ajuste</translation>
    </message>
    <message>
        <source>Время усреднения сопротивления изоляции</source>
        <translation>Tiempo de promedio de resist. de aislamiento</translation>
    </message>
    <message>
        <source>Частота толчков обратная</source>
        <translation>Frecuencia pulsos inversos</translation>
    </message>
    <message>
        <source>Уставка токоограничения</source>
        <translation>Consigna de límite de corriente</translation>
    </message>
    <message>
        <source>Время толчка</source>
        <translation>Tiempo de pulso</translation>
    </message>
    <message>
        <source>Прокачка газа.Период подсчета циклов прокачки</source>
        <translation>Purga de gas.Periodo de conteo de ciclos</translation>
    </message>
    <message>
        <source>!Задержка на токоограничение</source>
        <translation>!Retardo por límite de corriente</translation>
    </message>
    <message>
        <source>!Снижение рабочего тока</source>
        <translation>!Reducción de corriente de trabajo</translation>
    </message>
    <message>
        <source>Частота R</source>
        <translation>Frecuencia R</translation>
    </message>
    <message>
        <source>Частота L</source>
        <translation>Frecuencia L</translation>
    </message>
    <message>
        <source>Ток R</source>
        <translation>Corriente R</translation>
    </message>
    <message>
        <source>Ток L</source>
        <translation>Corriente L</translation>
    </message>
    <message>
        <source>Время разгона до номинал. частоты</source>
        <translation>Tiempo acel. a frec. nominal</translation>
    </message>
    <message>
        <source>Время торможения с номинал. частоты</source>
        <translation>Tiempo desacel. desde frec. nominal</translation>
    </message>
    <message>
        <source>Частота ЭДС</source>
        <translation>Frecuencia de FCEM</translation>
    </message>
    <message>
        <source>Граница изменения приращения напряжения</source>
        <translation>Límite de cambio del incremento de tensión</translation>
    </message>
    <message>
        <source>Шаг приращения ниже границы</source>
        <translation>Paso de incremento bajo el límite</translation>
    </message>
    <message>
        <source>Шаг приращения выше границы</source>
        <translation>Paso de incremento sobre el límite</translation>
    </message>
    <message>
        <source>Время измерения R</source>
        <translation>Tiempo de medición de R</translation>
    </message>
    <message>
        <source>Время измерения L</source>
        <translation>Tiempo de medición de L</translation>
    </message>
    <message>
        <source>Время измерения ЭДС</source>
        <translation>Tiempo de medición de FCEM</translation>
    </message>
    <message>
        <source>Источник тока</source>
        <translation>Fuente de corriente</translation>
    </message>
    <message>
        <source>Действие при подключении USB носителя</source>
        <translation>Acción al conectar memoria USB</translation>
    </message>
    <message>
        <source>Коэффициент сглаживания момента</source>
        <translation>Factor de suavizado de par</translation>
    </message>
    <message>
        <source>Период записи в останове</source>
        <translation>Periodo registro en parada</translation>
    </message>
    <message>
        <source>Источник входных напряжений</source>
        <translation>Fuente de tensiones de entrada</translation>
    </message>
    <message>
        <source>Сигнализация отклонения рабочих параметров</source>
        <translation>Alarma de desviación de operación</translation>
    </message>
    <message>
        <source>Отображение форм модели работы</source>
        <translation>Mostrar pantallas del modelo</translation>
    </message>
    <message>
        <source>Использовать данные модели</source>
        <translation>Usar datos del modelo</translation>
    </message>
    <message>
        <source>Угол PSI</source>
        <translation>Ángulo PSI</translation>
    </message>
    <message>
        <source>!Перегруз (ЗП) Задержка АПВ</source>
        <translation>!Retardo rearranque por sobrecarga</translation>
    </message>
    <message>
        <source>Подхват.Частота ожидания</source>
        <translation>Al vuelo.Frecuencia de espera</translation>
    </message>
    <message>
        <source>Подхват.Время работы на частоте ожидания</source>
        <translation>Al vuelo.Tiempo a frec. de espera</translation>
    </message>
    <message>
        <source>Подхват.Время разгона до частоты ожидания</source>
        <translation>Al vuelo.Acel. a frec. de espera</translation>
    </message>
    <message>
        <source>Подхват.Время торможения с частоты ожидания</source>
        <translation>Al vuelo.Desacel. desde frec. de espera</translation>
    </message>
    <message>
        <source>Толчковый.Частота толчков</source>
        <translation>Pulsos.Frecuencia de pulsos</translation>
    </message>
    <message>
        <source>Толчковый.Время толчков</source>
        <translation>Pulsos.Tiempo de pulsos</translation>
    </message>
    <message>
        <source>Толчковый.Время между толчками</source>
        <translation>Pulsos.Tiempo entre pulsos</translation>
    </message>
    <message>
        <source>Толчковый.Количество толчков</source>
        <translation>Pulsos.Número de pulsos</translation>
    </message>
    <message>
        <source>Толчковый.Напряжение толчков</source>
        <translation>Pulsos.Tensión de pulsos</translation>
    </message>
    <message>
        <source>Раскачка.Частота прямая</source>
        <translation>Balanceo.Frecuencia directa</translation>
    </message>
    <message>
        <source>Раскачка.Частота обратная</source>
        <translation>Balanceo.Frecuencia inversa</translation>
    </message>
    <message>
        <source>Раскачка.Время раскачки</source>
        <translation>Balanceo.Tiempo de balanceo</translation>
    </message>
    <message>
        <source>Раскачка.Время разгона</source>
        <translation>Balanceo.Tiempo de aceleración</translation>
    </message>
    <message>
        <source>Раскачка.Время торможения</source>
        <translation>Balanceo.Tiempo de desaceleración</translation>
    </message>
    <message>
        <source>Раскачка.Количество циклов</source>
        <translation>Balanceo.Número de ciclos</translation>
    </message>
    <message>
        <source>Раскачка.Напряжение раскачки</source>
        <translation>Balanceo.Tensión de balanceo</translation>
    </message>
    <message>
        <source>Verodedo.Прокачка газа</source>
        <translation>Verodedo.Purga de gas</translation>
    </message>
    <message>
        <source>Прокачка газа.Частота нижняя</source>
        <translation>Purga de gas.Frecuencia baja</translation>
    </message>
    <message>
        <source>Прокачка газа.Частота верхняя</source>
        <translation>Purga de gas.Frecuencia alta</translation>
    </message>
    <message>
        <source>Прокачка газа.Максимальное число циклов</source>
        <translation>Purga de gas.Máximo de ciclos</translation>
    </message>
    <message>
        <source>Прокачка газа.Порог отключения</source>
        <translation>Purga de gas.Umbral de disparo</translation>
    </message>
    <message>
        <source>Прокачка газа.Время</source>
        <translation>Purga de gas.Tiempo</translation>
    </message>
    <message>
        <source>Прокачка газа.Время фиксации недогруза</source>
        <translation>Purga de gas.Tiempo detección baja carga</translation>
    </message>
    <message>
        <source>Снижение напряжение</source>
        <translation>Reducción de tensión</translation>
    </message>
    <message>
        <source>Шаги возврата напряжения</source>
        <translation>Pasos de retorno de tensión</translation>
    </message>
    <message>
        <source>Частота возврата напряжения</source>
        <translation>Frecuencia de retorno de tensión</translation>
    </message>
    <message>
        <source>Подхват.Время разгона после разворота</source>
        <translation>Al vuelo.Acel. tras inversión</translation>
    </message>
    <message>
        <source>Тип выхода</source>
        <translation>Tipo de salida</translation>
    </message>
    <message>
        <source>Ан. вых. 1</source>
        <translation>SA 1</translation>
    </message>
    <message>
        <source>Ан. вых. 2</source>
        <translation>SA 2</translation>
    </message>
    <message>
        <source>Ан. вых. 3</source>
        <translation>SA 3</translation>
    </message>
    <message>
        <source>Ан. вых. 4</source>
        <translation>SA 4</translation>
    </message>
    <message>
        <source>Действие режима при холостом ходе</source>
        <translation>Acción del modo en vacío</translation>
    </message>
    <message>
        <source>Уставка загрузки холостого хода</source>
        <translation>Consigna de carga en vacío</translation>
    </message>
    <message>
        <source>Знак температуры прогрева</source>
        <translation>Signo de temperatura de precalentamiento</translation>
    </message>
    <message>
        <source>Тестовый режим контроллера ПЧ</source>
        <translation>Modo de prueba del controlador variador</translation>
    </message>
    <message>
        <source>Тепловая защита реактора</source>
        <translation>Protección térmica del reactor</translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Разрешено АПВ</source>
        <translation>Rearranques por baja carga permitidos</translation>
    </message>
    <message>
        <source>Релейный выход 4 Температура включения</source>
        <translation>Salida de relé 4 temperatura de conexión</translation>
    </message>
    <message>
        <source>Релейный выход 4 Температура отключения</source>
        <translation>Salida de relé 4 temperatura de desconexión</translation>
    </message>
    <message>
        <source>Мощность двигателя</source>
        <translation>Potencia del motor</translation>
    </message>
    <message>
        <source>Не учитывать коэффициентов мощности</source>
        <translation>Ignorar factor de potencia</translation>
    </message>
    <message>
        <source>Значение cos при холостом ходе</source>
        <translation>Valor de cos en vacío</translation>
    </message>
    <message>
        <source>Имя ЦДНГ</source>
        <translation>Nombre de unidad de campo</translation>
    </message>
    <message>
        <source>Имя куста</source>
        <translation>Nombre de macolla</translation>
    </message>
    <message>
        <source>Имя скважины</source>
        <translation>Nombre del pozo</translation>
    </message>
    <message>
        <source>Использовать имя скважины/куста/месторождения</source>
        <translation>Usar nombres de pozo/macolla/campo</translation>
    </message>
    <message>
        <source>Задержка на чтение после записи</source>
        <translation>Retardo de lectura tras escritura</translation>
    </message>
    <message>
        <source>Уставка тока холостого хода</source>
        <translation>Consigna de corriente en vacío</translation>
    </message>
    <message>
        <source>Меню технолога</source>
        <translation>Menú del ingeniero</translation>
    </message>
    <message>
        <source>Параметр 1</source>
        <translation>Parámetro 1</translation>
    </message>
    <message>
        <source>Параметр 2</source>
        <translation>Parámetro 2</translation>
    </message>
    <message>
        <source>Параметр 3</source>
        <translation>Parámetro 3</translation>
    </message>
    <message>
        <source>Параметр 4</source>
        <translation>Parámetro 4</translation>
    </message>
    <message>
        <source>Параметр 5</source>
        <translation>Parámetro 5</translation>
    </message>
    <message>
        <source>Параметр 6</source>
        <translation>Parámetro 6</translation>
    </message>
    <message>
        <source>Параметр 7</source>
        <translation>Parámetro 7</translation>
    </message>
    <message>
        <source>Параметр 8</source>
        <translation>Parámetro 8</translation>
    </message>
    <message>
        <source>Параметр 9</source>
        <translation>Parámetro 9</translation>
    </message>
    <message>
        <source>Параметр 10</source>
        <translation>Parámetro 10</translation>
    </message>
    <message>
        <source>Параметр 11</source>
        <translation>Parámetro 11</translation>
    </message>
    <message>
        <source>Параметр 12</source>
        <translation>Parámetro 12</translation>
    </message>
    <message>
        <source>Параметр 13</source>
        <translation>Parámetro 13</translation>
    </message>
    <message>
        <source>Параметр 14</source>
        <translation>Parámetro 14</translation>
    </message>
    <message>
        <source>Параметр 15</source>
        <translation>Parámetro 15</translation>
    </message>
    <message>
        <source>Использовать настройки из меню при холостом ходе</source>
        <translation>Usar ajustes del menú en vacío</translation>
    </message>
    <message>
        <source>Тип регулирования</source>
        <translation>Tipo de regulación</translation>
    </message>
    <message>
        <source>Уставка включения контактора входного фильтра</source>
        <translation>Consigna cierre contactor filtro entrada</translation>
    </message>
    <message>
        <source>Уставка выключения контактора входного фильтра</source>
        <translation>Consigna apertura contactor filtro entrada</translation>
    </message>
    <message>
        <source>Счётчик сбросов</source>
        <translation>Contador de reinicios</translation>
    </message>
    <message>
        <source>Время между контролем</source>
        <translation>Intervalo de control</translation>
    </message>
    <message>
        <source>Количество ошибок контроля</source>
        <translation>Errores de control</translation>
    </message>
    <message>
        <source>Индуктивность двигателя по оси D</source>
        <translation>Inductancia del motor eje D</translation>
    </message>
    <message>
        <source>Индуктивность двигателя по оси Q</source>
        <translation>Inductancia del motor eje Q</translation>
    </message>
    <message>
        <source>Количество шагов снижения напряжения до 0</source>
        <translation>Pasos de bajada de tensión a 0</translation>
    </message>
    <message>
        <source>Время цикла</source>
        <translation>Tiempo de ciclo</translation>
    </message>
    <message>
        <source>Минимальное давление</source>
        <translation>Presión mínima</translation>
    </message>
    <message>
        <source>Сохранить значения уставок?</source>
        <translation>¿Guardar los ajustes?</translation>
    </message>
    <message>
        <source>Ожидание ответа</source>
        <translation>Espera de respuesta</translation>
    </message>
    <message>
        <source>Повторы</source>
        <translation>Reintentos</translation>
    </message>
    <message>
        <source>Номер канала</source>
        <translation>Número de canal</translation>
    </message>
    <message>
        <source>Время контроля потери связи</source>
        <translation>Tiempo de control de pérdida de enlace</translation>
    </message>
    <message>
        <source>Количество потерь связи</source>
        <translation>Pérdidas de enlace</translation>
    </message>
    <message>
        <source>Время тишины</source>
        <translation>Tiempo de silencio</translation>
    </message>
    <message>
        <source>Ошибки Flash ЧРП</source>
        <translation>Errores flash variador</translation>
    </message>
    <message>
        <source>Время F2</source>
        <translation>Tiempo F2</translation>
    </message>
    <message>
        <source>Время F - F1</source>
        <translation>Tiempo F - F1</translation>
    </message>
    <message>
        <source>Время F1 - F2</source>
        <translation>Tiempo F1 - F2</translation>
    </message>
    <message>
        <source>Время F2 - F</source>
        <translation>Tiempo F2 - F</translation>
    </message>
    <message>
        <source>Расширенные настройки</source>
        <translation>Ajustes avanzados</translation>
    </message>
    <message>
        <source>Время изменения частоты</source>
        <translation>Tiempo de cambio de frecuencia</translation>
    </message>
    <message>
        <source>Повышение тока для деактивации</source>
        <translation>Aumento de corriente para desactivar</translation>
    </message>
    <message>
        <source>Использовать уставку недогруза</source>
        <translation>Usar consigna de baja carga</translation>
    </message>
    <message>
        <source>Анализ загрузки после каждого цикла</source>
        <translation>Análisis de carga tras cada ciclo</translation>
    </message>
    <message>
        <source>Релейный выход 5</source>
        <translation>Salida de relé 5</translation>
    </message>
    <message>
        <source>Релейный выход 6</source>
        <translation>Salida de relé 6</translation>
    </message>
    <message>
        <source>Релейный выход 7</source>
        <translation>Salida de relé 7</translation>
    </message>
    <message>
        <source>Релейный выход 8</source>
        <translation>Salida de relé 8</translation>
    </message>
    <message>
        <source>Релейный выход 9</source>
        <translation>Salida de relé 9</translation>
    </message>
    <message>
        <source>Релейный выход 10</source>
        <translation>Salida de relé 10</translation>
    </message>
    <message>
        <source>Релейный выход 11</source>
        <translation>Salida de relé 11</translation>
    </message>
    <message>
        <source>Релейный выход 12</source>
        <translation>Salida de relé 12</translation>
    </message>
    <message>
        <source>Время задержки срабатывания</source>
        <translation>Tiempo de retardo de disparo</translation>
    </message>
    <message>
        <source>Время удержания реле</source>
        <translation>Tiempo de retención del relé</translation>
    </message>
    <message>
        <source>Цифр. вх. 13</source>
        <translation>ED 13</translation>
    </message>
    <message>
        <source>Цифр. вх. 14</source>
        <translation>ED 14</translation>
    </message>
    <message>
        <source>Цифр. вх. 15</source>
        <translation>ED 15</translation>
    </message>
    <message>
        <source>Цифр. вх. 16</source>
        <translation>ED 16</translation>
    </message>
    <message>
        <source>Цифр. вх. 17</source>
        <translation>ED 17</translation>
    </message>
    <message>
        <source>Цифр. вх. 18</source>
        <translation>ED 18</translation>
    </message>
    <message>
        <source>Цифр. вх. 19</source>
        <translation>ED 19</translation>
    </message>
    <message>
        <source>Цифр. вх. 20</source>
        <translation>ED 20</translation>
    </message>
    <message>
        <source>Цифр. вх. 21</source>
        <translation>ED 21</translation>
    </message>
    <message>
        <source>Цифр. вх. 22</source>
        <translation>ED 22</translation>
    </message>
    <message>
        <source>Цифр. вх. 23</source>
        <translation>ED 23</translation>
    </message>
    <message>
        <source>Цифр. вх. 24</source>
        <translation>ED 24</translation>
    </message>
    <message>
        <source>Учитывать дату изготовления СУ</source>
        <translation>Usar fecha de fabricación</translation>
    </message>
    <message>
        <source>Блокирововать кнопку Start</source>
        <translation>Bloquear el botón Start</translation>
    </message>
    <message>
        <source>Шлюз</source>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <source>Уставки останова двигателя</source>
        <translation>Consignas de parada del motor</translation>
    </message>
    <message>
        <source>Время увеличения частоты</source>
        <translation>Tiempo de subida de frecuencia</translation>
    </message>
    <message>
        <source>Время уменьшения частоты</source>
        <translation>Tiempo de bajada de frecuencia</translation>
    </message>
    <message>
        <source>Шаг изменения частоты</source>
        <translation>Paso de frecuencia</translation>
    </message>
    <message>
        <source>Тип калибровки</source>
        <translation>Tipo de calibración</translation>
    </message>
    <message>
        <source>Запуск и останов по SCADA в ручном режиме работы</source>
        <translation>Arranque y parada por SCADA en modo manual</translation>
    </message>
    <message>
        <source>Время максимум</source>
        <translation>Tiempo máximo</translation>
    </message>
    <message>
        <source>Действие защиты максимум</source>
        <translation>Acción de protección máxima</translation>
    </message>
    <message>
        <source>Задержка АПВ максимум</source>
        <translation>Retardo máximo de rearranque</translation>
    </message>
    <message>
        <source>Вых. частота</source>
        <translation>Frec. salida</translation>
    </message>
    <message>
        <source>Вых. напряж.</source>
        <translation>Tensión salida</translation>
    </message>
    <message>
        <source>Тип управления</source>
        <translation>Tipo control</translation>
    </message>
    <message>
        <source>Напр.вращения</source>
        <translation>Sentido giro</translation>
    </message>
    <message>
        <source>Ток DC</source>
        <translation>Corriente CC</translation>
    </message>
    <message>
        <source>Напряжение DC</source>
        <translation>Tensión CC</translation>
    </message>
    <message>
        <source>Полная мощн.</source>
        <translation>Pot. aparente</translation>
    </message>
    <message>
        <source>Номинальная мощность ПЭД</source>
        <translation>Potencia nominal del motor</translation>
    </message>
    <message>
        <source>Номинальное напряжение ПЭД</source>
        <translation>Tensión nominal del motor</translation>
    </message>
    <message>
        <source>Номинальный ток ПЭД</source>
        <translation>Corriente nominal del motor</translation>
    </message>
    <message>
        <source>Номинальная скорость ПЭД</source>
        <translation>Velocidad nominal del motor</translation>
    </message>
    <message>
        <source>Номинальная частота ПЭД</source>
        <translation>Frecuencia nominal del motor</translation>
    </message>
    <message>
        <source>Номинальный коэффициент мощности ПЭД</source>
        <translation>Factor de potencia nominal del motor</translation>
    </message>
    <message>
        <source>Индуктивность по оси d</source>
        <translation>Inductancia eje d</translation>
    </message>
    <message>
        <source>Напряжение холостого хода ПЭД</source>
        <translation>Tensión en vacío del motor</translation>
    </message>
    <message>
        <source>Количество пар полюсов ПЭД</source>
        <translation>Pares de polos del motor</translation>
    </message>
    <message>
        <source>Время торможен.</source>
        <translation>Tiempo desacel.</translation>
    </message>
    <message>
        <source>Характеристика U/f</source>
        <translation>Curva U/f</translation>
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
        <translation>Constante de tiempo de promedio de corriente</translation>
    </message>
    <message>
        <source>Коэффициент отображения тока</source>
        <translation>Factor de visualización de corriente</translation>
    </message>
    <message>
        <source>Конфигурация разъема платы расширения</source>
        <translation>Configuración del conector de expansión</translation>
    </message>
    <message>
        <source>Статус индикатора</source>
        <translation>Estado del indicador</translation>
    </message>
    <message>
        <source>Состояние дискретных выходов</source>
        <translation>Estado de salidas digitales</translation>
    </message>
    <message>
        <source>Состояние дискретных входов</source>
        <translation>Estado de entradas digitales</translation>
    </message>
    <message>
        <source>Маска включения выходов</source>
        <translation>Máscara de activación de salidas</translation>
    </message>
    <message>
        <source>Маска выключения выходов</source>
        <translation>Máscara de desactivación de salidas</translation>
    </message>
    <message>
        <source>Температура включения вентилятора</source>
        <translation>Temperatura de arranque del ventilador</translation>
    </message>
    <message>
        <source>Температура выключения вентилятора</source>
        <translation>Temperatura de parada del ventilador</translation>
    </message>
    <message>
        <source>Период проверки температуры вентилятора</source>
        <translation>Periodo de control de temp. del ventilador</translation>
    </message>
    <message>
        <source>Измерение мощности</source>
        <translation>Medición de potencia</translation>
    </message>
    <message>
        <source>Частота удержания</source>
        <translation>Frecuencia de retención</translation>
    </message>
    <message>
        <source>Темп снижения частоты при токоограничении</source>
        <translation>Ritmo de bajada de frec. en límite de corriente</translation>
    </message>
    <message>
        <source>Темп снижения частоты при нехватке напряжения</source>
        <translation>Ritmo de bajada de frec. por falta de tensión</translation>
    </message>
    <message>
        <source>Тип текущего регулятора</source>
        <translation>Tipo de regulador activo</translation>
    </message>
    <message>
        <source>Напряжение форсировки</source>
        <translation>Tensión de refuerzo</translation>
    </message>
    <message>
        <source>Частота форсировки</source>
        <translation>Frecuencia de refuerzo</translation>
    </message>
    <message>
        <source>Компенсации нагрузки</source>
        <translation>Compensación de carga</translation>
    </message>
    <message>
        <source>Пропорциональный коэффициент частотного контура</source>
        <translation>Ganancia proporcional del lazo de frecuencia</translation>
    </message>
    <message>
        <source>Интегральный коэффициент частотного контура</source>
        <translation>Ganancia integral del lazo de frecuencia</translation>
    </message>
    <message>
        <source>Коэффициент перехода с вектора на U/f</source>
        <translation>Factor de paso de vectorial a U/f</translation>
    </message>
    <message>
        <source>Суммарная индуктивность на выходе ЧРП (128)</source>
        <translation>Inductancia total a la salida del variador (128)</translation>
    </message>
    <message>
        <source>Интегральный коэффициент фазового контура</source>
        <translation>Ganancia integral del lazo de fase</translation>
    </message>
    <message>
        <source>Очередь регуляторов 1</source>
        <translation>Cola de reguladores 1</translation>
    </message>
    <message>
        <source>Очередь регуляторов 2</source>
        <translation>Cola de reguladores 2</translation>
    </message>
    <message>
        <source>Очередь регуляторов 3</source>
        <translation>Cola de reguladores 3</translation>
    </message>
    <message>
        <source>Компенсация выходного напряжения по амплитуде</source>
        <translation>Compensación de amplitud de tensión de salida</translation>
    </message>
    <message>
        <source>Компенсация фазы выходного напряжения</source>
        <translation>Compensación de fase de tensión de salida</translation>
    </message>
    <message>
        <source>Т1 тиристора дравера 1</source>
        <translation>T1 tiristor driver 1</translation>
    </message>
    <message>
        <source>Максимальное напряжение DC</source>
        <translation>Tensión CC máxima</translation>
    </message>
    <message>
        <source>Т2 тиристора дравера 1</source>
        <translation>T2 tiristor driver 1</translation>
    </message>
    <message>
        <source>Пусковая частота ВПЭД</source>
        <translation>Frecuencia de arranque motor PM</translation>
    </message>
    <message>
        <source>Пропорциональный коэффициент фазового контура</source>
        <translation>Ganancia proporcional del lazo de fase</translation>
    </message>
    <message>
        <source>Пропорциональный коэффициент подавления резонанса</source>
        <translation>Ganancia proporcional de supresión de resonancia</translation>
    </message>
    <message>
        <source>Начальная частота подавления резонанса</source>
        <translation>Frecuencia inicial de supresión de resonancia</translation>
    </message>
    <message>
        <source>Фаза выходного тока B</source>
        <translation>Fase de corriente de salida B</translation>
    </message>
    <message>
        <source>Фаза выходного тока C</source>
        <translation>Fase de corriente de salida C</translation>
    </message>
    <message>
        <source>Напряжение окончания разряда</source>
        <translation>Tensión de fin de descarga</translation>
    </message>
    <message>
        <source>Частота подхвата</source>
        <translation>Frecuencia de arranque al vuelo</translation>
    </message>
    <message>
        <source>Измерительный ток автонастройки</source>
        <translation>Corriente de prueba de autoajuste</translation>
    </message>
    <message>
        <source>Измерительное напряжение автонастройки</source>
        <translation>Tensión de prueba de autoajuste</translation>
    </message>
    <message>
        <source>Режим встряхивания</source>
        <translation>Modo de sacudida</translation>
    </message>
    <message>
        <source>Фаза выходного тока A</source>
        <translation>Fase de corriente de salida A</translation>
    </message>
    <message>
        <source>Фаза тока</source>
        <translation>Fase de corriente</translation>
    </message>
    <message>
        <source>Выходной ток ПЧ</source>
        <translation>Corriente de salida del variador</translation>
    </message>
    <message>
        <source>Перегруз двигателя в ЧРП</source>
        <translation>Sobrecarga del motor en variador</translation>
    </message>
    <message>
        <source>Постоянная времени тепловой защиты двигателя</source>
        <translation>Constante de tiempo de protección térmica del motor</translation>
    </message>
    <message>
        <source>Угол фиксации вектора в режиме OVERPWM2</source>
        <translation>Ángulo de fijación del vector en OVERPWM2</translation>
    </message>
    <message>
        <source>Постоянная времени режима OVERPWM</source>
        <translation>Constante de tiempo de OVERPWM</translation>
    </message>
    <message>
        <source>Напряжение подхвата</source>
        <translation>Tensión de arranque al vuelo</translation>
    </message>
    <message>
        <source>Номинальный ток ЧРП</source>
        <translation>Corriente nominal del variador</translation>
    </message>
    <message>
        <source>Постоянная времени перегрузки ЧРП</source>
        <translation>Constante de tiempo de sobrecarga del variador</translation>
    </message>
    <message>
        <source>Ограничение тока для импульсов</source>
        <translation>Límite de corriente de pulsos</translation>
    </message>
    <message>
        <source>Время импульса с общим (максимальным) токоограничением</source>
        <translation>Tiempo de pulso con límite de corriente total (máx.)</translation>
    </message>
    <message>
        <source>Масштаб измерения напряжения</source>
        <translation>Escala de medición de tensión</translation>
    </message>
    <message>
        <source>Масштаб измерения тока</source>
        <translation>Escala de medición de corriente</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 0 драйвера 1</source>
        <translation>Delta temp. fase 0 driver 1</translation>
    </message>
    <message>
        <source>Пусковое время по перегрузу двигателя</source>
        <translation>Tiempo de arranque por sobrecarga del motor</translation>
    </message>
    <message>
        <source>Режим конфигурирования</source>
        <translation>Modo de configuración</translation>
    </message>
    <message>
        <source>Время торм. с номинал. частоты</source>
        <translation>Tiempo desacel. desde frec. nominal</translation>
    </message>
    <message>
        <source>Сопротивление статора</source>
        <translation>Resistencia del estator</translation>
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
        <translation>Constante de tiempo de supresión de resonancia</translation>
    </message>
    <message>
        <source>Минимальный ток при низкой скорости</source>
        <translation>Corriente mínima a baja velocidad</translation>
    </message>
    <message>
        <source>Режим пуска вентильного двигателя</source>
        <translation>Modo de arranque del motor PM</translation>
    </message>
    <message>
        <source>Задержка запуска</source>
        <translation>Retardo de arranque</translation>
    </message>
    <message>
        <source>Функция при остановке</source>
        <translation>Función en parada</translation>
    </message>
    <message>
        <source>Длительность действия тока (2-07)</source>
        <translation>Duración de la corriente (2-07)</translation>
    </message>
    <message>
        <source>Ограничение момента</source>
        <translation>Límite de par</translation>
    </message>
    <message>
        <source>Предел тока двигателя (4-18)</source>
        <translation>Límite de corriente del motor (4-18)</translation>
    </message>
    <message>
        <source>Максимальная выходная частота</source>
        <translation>Frecuencia máxima de salida</translation>
    </message>
    <message>
        <source>Минимальная скорость</source>
        <translation>Velocidad mínima</translation>
    </message>
    <message>
        <source>Сброс настроек компараторов</source>
        <translation>Reinicio de ajustes de comparadores</translation>
    </message>
    <message>
        <source>Сверхмодуляция</source>
        <translation>Sobremodulación</translation>
    </message>
    <message>
        <source>Минимальное напряжение DC</source>
        <translation>Tensión CC mínima</translation>
    </message>
    <message>
        <source>Режим сброса</source>
        <translation>Modo de reinicio</translation>
    </message>
    <message>
        <source>Время автоматического перезапуск</source>
        <translation>Tiempo de rearranque automático</translation>
    </message>
    <message>
        <source>Задержка перед выключение при пределе моменте</source>
        <translation>Retardo de disparo en límite de par</translation>
    </message>
    <message>
        <source>Время фильтра регулятора предела по току</source>
        <translation>Tiempo de filtro del regulador de límite de corriente</translation>
    </message>
    <message>
        <source>Компенсация напряжения постоянного тока</source>
        <translation>Compensación de tensión CC</translation>
    </message>
    <message>
        <source>Управление вентилятором</source>
        <translation>Control del ventilador</translation>
    </message>
    <message>
        <source>Т1 фазы 0 драйвера 1</source>
        <translation>T1 fase 0 driver 1</translation>
    </message>
    <message>
        <source>Т2 фазы 0 драйвера 1</source>
        <translation>T2 fase 0 driver 1</translation>
    </message>
    <message>
        <source>Выходной ток</source>
        <translation>Corriente de salida</translation>
    </message>
    <message>
        <source>Tемпер. платы</source>
        <translation>Temp. placa</translation>
    </message>
    <message>
        <source>Т3 фазы 0 драйвера 1</source>
        <translation>T3 fase 0 driver 1</translation>
    </message>
    <message>
        <source>Т4 фазы 0 драйвера 1</source>
        <translation>T4 fase 0 driver 1</translation>
    </message>
    <message>
        <source>Т1 фазы 1 драйвера 1</source>
        <translation>T1 fase 1 driver 1</translation>
    </message>
    <message>
        <source>Т2 фазы 1 драйвера 1</source>
        <translation>T2 fase 1 driver 1</translation>
    </message>
    <message>
        <source>Т3 фазы 1 драйвера 1</source>
        <translation>T3 fase 1 driver 1</translation>
    </message>
    <message>
        <source>Время применения высокого пускового момента</source>
        <translation>Tiempo de par de arranque alto</translation>
    </message>
    <message>
        <source>Пусковой ток в % от номинального</source>
        <translation>Corriente de arranque, % de nominal</translation>
    </message>
    <message>
        <source>Защита от блокировки ротора</source>
        <translation>Protección de rotor bloqueado</translation>
    </message>
    <message>
        <source>Время определения блокировки ротора</source>
        <translation>Tiempo de detección de rotor bloqueado</translation>
    </message>
    <message>
        <source>Темп набора частоты</source>
        <translation>Ritmo de subida de frecuencia</translation>
    </message>
    <message>
        <source>Темп снижения частоты</source>
        <translation>Ritmo de bajada de frecuencia</translation>
    </message>
    <message>
        <source>Tемпер. igbt 2</source>
        <translation>Temp. IGBT 2</translation>
    </message>
    <message>
        <source>Tемпер. тирист.</source>
        <translation>Temp. tiristor</translation>
    </message>
    <message>
        <source>Коэф.МТЗ мотор</source>
        <translation>Coef. sobrecorriente motor</translation>
    </message>
    <message>
        <source>Коэфф.коррек.напряж.Uab</source>
        <translation>Coef. corr. tensión Uab</translation>
    </message>
    <message>
        <source>Коэфф.коррек.напряж.Ubс</source>
        <translation>Coef. corr. tensión Ubc</translation>
    </message>
    <message>
        <source>Коэфф.коррек.напряж.Uca</source>
        <translation>Coef. corr. tensión Uca</translation>
    </message>
    <message>
        <source>Коэфф.коррек.напряж.Udc</source>
        <translation>Coef. corr. tensión Udc</translation>
    </message>
    <message>
        <source>Коэфф.коррек.тока Idc</source>
        <translation>Coef. corr. corriente Idc</translation>
    </message>
    <message>
        <source>Коэфф.коррек.показ.напряж.Uвых</source>
        <translation>Coef. corr. lectura tensión Usal</translation>
    </message>
    <message>
        <source>Коэфф.коррек.напряж.Uвых</source>
        <translation>Coef. corr. tensión Usal</translation>
    </message>
    <message>
        <source>Напряж.отпайки</source>
        <translation>Tensión de toma</translation>
    </message>
    <message>
        <source>Быстрый останов</source>
        <translation>Parada rápida</translation>
    </message>
    <message>
        <source>Сброс аварии</source>
        <translation>Reinicio de falla</translation>
    </message>
    <message>
        <source>Запуск</source>
        <translation>Arranque</translation>
    </message>
    <message>
        <source>Останов</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Предельная рабочая частота</source>
        <translation>Frecuencia límite de trabajo</translation>
    </message>
    <message>
        <source>Омическое сопротивление фазы</source>
        <translation>Resistencia óhmica de fase</translation>
    </message>
    <message>
        <source>Нижний предел регулирования для ВД</source>
        <translation>Límite inferior de regulación motor PM</translation>
    </message>
    <message>
        <source>Верхний предел регулирования для ВД</source>
        <translation>Límite superior de regulación motor PM</translation>
    </message>
    <message>
        <source>Темп защиты от срыва синхронизации для ВД</source>
        <translation>Ritmo de protección de pérdida de sinc. motor PM</translation>
    </message>
    <message>
        <source>Максимальный угол положения ротора для ВД</source>
        <translation>Ángulo máximo del rotor motor PM</translation>
    </message>
    <message>
        <source>Стабилизация выходного напряжения</source>
        <translation>Estabilización de tensión de salida</translation>
    </message>
    <message>
        <source>Сдвиг контроллера</source>
        <translation>Desfase del controlador</translation>
    </message>
    <message>
        <source>Сдвиг ТМПН</source>
        <translation>Desfase del transf. elevador</translation>
    </message>
    <message>
        <source>Тип торможения</source>
        <translation>Tipo de parada</translation>
    </message>
    <message>
        <source>Максимальная доб. верхнего предела для ВД</source>
        <translation>Adición máx. al límite superior motor PM</translation>
    </message>
    <message>
        <source>Напряжение входное линейное Uab</source>
        <translation>Tensión de línea de entrada Uab</translation>
    </message>
    <message>
        <source>Напряжение входное линейное Ubc</source>
        <translation>Tensión de línea de entrada Ubc</translation>
    </message>
    <message>
        <source>Напряжение входное линейное Uca</source>
        <translation>Tensión de línea de entrada Uca</translation>
    </message>
    <message>
        <source>Коэф. коррекции тока Iu</source>
        <translation>Coef. corrección corriente Iu</translation>
    </message>
    <message>
        <source>Коэф. коррекции тока Iv</source>
        <translation>Coef. corrección corriente Iv</translation>
    </message>
    <message>
        <source>Коэф. коррекции тока Iw</source>
        <translation>Coef. corrección corriente Iw</translation>
    </message>
    <message>
        <source>Коэф.мощности в ЧРП</source>
        <translation>Factor de potencia en variador</translation>
    </message>
    <message>
        <source>Температура выходного фильтра</source>
        <translation>Temp. filtro salida</translation>
    </message>
    <message>
        <source>Температура выходного фильтра 2</source>
        <translation>Temp. filtro salida 2</translation>
    </message>
    <message>
        <source>Источник U/f</source>
        <translation>Fuente U/f</translation>
    </message>
    <message>
        <source>Необходимое напряжение отпайки</source>
        <translation>Tensión de toma requerida</translation>
    </message>
    <message>
        <source>Номинальная частота двигателя</source>
        <translation>Frecuencia nominal del motor</translation>
    </message>
    <message>
        <source>Номинальное напряжение двигателя</source>
        <translation>Tensión nominal del motor</translation>
    </message>
    <message>
        <source>Температура пласта</source>
        <translation>Temperatura del yacimiento</translation>
    </message>
    <message>
        <source>Таймаут командного слова</source>
        <translation>Tiempo límite de palabra de mando</translation>
    </message>
    <message>
        <source>Максимально допустимое отклонение частоты векторного режима</source>
        <translation>Desviación máx. de frecuencia en modo vectorial</translation>
    </message>
    <message>
        <source>Интегральный коэффициент подавления резонанса</source>
        <translation>Ganancia integral de supresión de resonancia</translation>
    </message>
    <message>
        <source>Вых. Мгновенная мощность</source>
        <translation>Potencia instantánea de salida</translation>
    </message>
    <message>
        <source>Мгн. момент</source>
        <translation>Par instant.</translation>
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
        <translation>Modo de modulación</translation>
    </message>
    <message>
        <source>Тип подавления резонанса</source>
        <translation>Tipo de supresión de resonancia</translation>
    </message>
    <message>
        <source>Т1 тиристора драйвера 0</source>
        <translation>T1 tiristor driver 0</translation>
    </message>
    <message>
        <source>Т2 тиристора драйвера 0</source>
        <translation>T2 tiristor driver 0</translation>
    </message>
    <message>
        <source>Т1 платы измерений</source>
        <translation>T1 placa de medición</translation>
    </message>
    <message>
        <source>Т2 платы измерений</source>
        <translation>T2 placa de medición</translation>
    </message>
    <message>
        <source>Т3 платы измерений</source>
        <translation>T3 placa de medición</translation>
    </message>
    <message>
        <source>Т воздуха драйвера 0</source>
        <translation>T aire driver 0</translation>
    </message>
    <message>
        <source>Т1 фазы 0 драйвера 0</source>
        <translation>T1 fase 0 driver 0</translation>
    </message>
    <message>
        <source>Т воздуха драйвера 1</source>
        <translation>T aire driver 1</translation>
    </message>
    <message>
        <source>Т1 фазы 1 драйвера 0</source>
        <translation>T1 fase 1 driver 0</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 1 драйвера 1</source>
        <translation>Delta temp. fase 1 driver 1</translation>
    </message>
    <message>
        <source>Т1 фазы 2 драйвера 0</source>
        <translation>T1 fase 2 driver 0</translation>
    </message>
    <message>
        <source>Т2 фазы 0 драйвера 0</source>
        <translation>T2 fase 0 driver 0</translation>
    </message>
    <message>
        <source>Т2 фазы 1 драйвера 0</source>
        <translation>T2 fase 1 driver 0</translation>
    </message>
    <message>
        <source>Т2 фазы 2 драйвера 0</source>
        <translation>T2 fase 2 driver 0</translation>
    </message>
    <message>
        <source>Т3 фазы 0 драйвера 0</source>
        <translation>T3 fase 0 driver 0</translation>
    </message>
    <message>
        <source>Т3 фазы 1 драйвера 0</source>
        <translation>T3 fase 1 driver 0</translation>
    </message>
    <message>
        <source>Т3 фазы 2 драйвера 0</source>
        <translation>T3 fase 2 driver 0</translation>
    </message>
    <message>
        <source>Т4 фазы 0 драйвера 0</source>
        <translation>T4 fase 0 driver 0</translation>
    </message>
    <message>
        <source>Т4 фазы 1 драйвера 0</source>
        <translation>T4 fase 1 driver 0</translation>
    </message>
    <message>
        <source>Т4 фазы 2 драйвера 0</source>
        <translation>T4 fase 2 driver 0</translation>
    </message>
    <message>
        <source>Текущий коэффициент регулирования</source>
        <translation>Factor de regulación actual</translation>
    </message>
    <message>
        <source>Текущий угол дельта тета положения ротора</source>
        <translation>Ángulo delta theta actual del rotor</translation>
    </message>
    <message>
        <source>Тепловая защита IGBT</source>
        <translation>Protección térmica IGBT</translation>
    </message>
    <message>
        <source>Тепловая защита отсека электроники</source>
        <translation>Protección térmica del compartimento electrónico</translation>
    </message>
    <message>
        <source>Частота выборок аварийного архива</source>
        <translation>Frecuencia de muestreo del registro de fallas</translation>
    </message>
    <message>
        <source>Режим работы термодатчиков</source>
        <translation>Modo de sensores de temperatura</translation>
    </message>
    <message>
        <source>Мониторы питания</source>
        <translation>Monitores de alimentación</translation>
    </message>
    <message>
        <source>Пусковое напряжение</source>
        <translation>Tensión de arranque</translation>
    </message>
    <message>
        <source>Макс. время токоограничения</source>
        <translation>Tiempo máx. de límite de corriente</translation>
    </message>
    <message>
        <source>Действующий ток фазы</source>
        <translation>Corriente eficaz de fase</translation>
    </message>
    <message>
        <source>Коэффициент нормиров. хар-ки</source>
        <translation>Factor de normalización de curva</translation>
    </message>
    <message>
        <source>Среднее значение вх. Напряжения</source>
        <translation>Tensión de entrada media</translation>
    </message>
    <message>
        <source>Т4 фазы 1 драйвера 1</source>
        <translation>T4 fase 1 driver 1</translation>
    </message>
    <message>
        <source>Т1 фазы 2 драйвера 1</source>
        <translation>T1 fase 2 driver 1</translation>
    </message>
    <message>
        <source>Т2 фазы 2 драйвера 1</source>
        <translation>T2 fase 2 driver 1</translation>
    </message>
    <message>
        <source>Т3 фазы 2 драйвера 1</source>
        <translation>T3 fase 2 driver 1</translation>
    </message>
    <message>
        <source>Т4 фазы 2 драйвера 1</source>
        <translation>T4 fase 2 driver 1</translation>
    </message>
    <message>
        <source>Добавка уровня токоограничения</source>
        <translation>Adición al nivel de límite de corriente</translation>
    </message>
    <message>
        <source>Токоограничение при подхвате</source>
        <translation>Límite de corriente en arranque al vuelo</translation>
    </message>
    <message>
        <source>Суммарное выходное сопротивление</source>
        <translation>Impedancia total de salida</translation>
    </message>
    <message>
        <source>Индуктивность на выходе СУ</source>
        <translation>Inductancia a la salida de la estación</translation>
    </message>
    <message>
        <source>Уставка перегрузки по току ЧРП</source>
        <translation>Consigna de sobrecorriente del variador</translation>
    </message>
    <message>
        <source>Tемпер. воздуха</source>
        <translation>Temp. aire</translation>
    </message>
    <message>
        <source>Режим мягкого пуска</source>
        <translation>Modo de arranque suave</translation>
    </message>
    <message>
        <source>Синхронизация с сетью</source>
        <translation>Sincronización con la red</translation>
    </message>
    <message>
        <source>Команда перехода с режима на режим</source>
        <translation>Orden de cambio de modo</translation>
    </message>
    <message>
        <source>Синхронизирован с сетью</source>
        <translation>Sincronizado con la red</translation>
    </message>
    <message>
        <source>Состояние перехода</source>
        <translation>Estado de transferencia</translation>
    </message>
    <message>
        <source>Коэффициент коррекции Riz</source>
        <translation>Factor de corrección Rais</translation>
    </message>
    <message>
        <source>Количество полюсов</source>
        <translation>Número de polos</translation>
    </message>
    <message>
        <source>Максимальный ток ЧРП</source>
        <translation>Corriente máxima del variador</translation>
    </message>
    <message>
        <source>Пусковой ток</source>
        <translation>Corriente de arranque</translation>
    </message>
    <message>
        <source>Коэфф. трансформации трансформаторов выходного тока</source>
        <translation>Relación de TC de salida</translation>
    </message>
    <message>
        <source>Т4 платы измерений</source>
        <translation>T4 placa de medición</translation>
    </message>
    <message>
        <source>Смещение угла расчета Id конечное</source>
        <translation>Desfase final del ángulo de cálculo Id</translation>
    </message>
    <message>
        <source>Стартовый угол в режиме регулятора угла</source>
        <translation>Ángulo inicial en modo de regulador de ángulo</translation>
    </message>
    <message>
        <source>Коэффициент демпфирования</source>
        <translation>Factor de amortiguamiento</translation>
    </message>
    <message>
        <source>Текущее значение тока Id</source>
        <translation>Valor actual de corriente Id</translation>
    </message>
    <message>
        <source>Тип векторного управления</source>
        <translation>Tipo de control vectorial</translation>
    </message>
    <message>
        <source>Пусковой коэффициент</source>
        <translation>Factor de arranque</translation>
    </message>
    <message>
        <source>Время старта</source>
        <translation>Tiempo de arranque</translation>
    </message>
    <message>
        <source>Косинус срыва синхронизации</source>
        <translation>Coseno de pérdida de sincronismo</translation>
    </message>
    <message>
        <source>Контроль срыва синхронизации по косинусу</source>
        <translation>Control de pérdida de sinc. por coseno</translation>
    </message>
    <message>
        <source>Пусковое время для контроля срыва синхронизации по косинусу</source>
        <translation>Tiempo de arranque para control de pérdida de sinc. por coseno</translation>
    </message>
    <message>
        <source>Стартовый ток ВД</source>
        <translation>Corriente de arranque motor PM</translation>
    </message>
    <message>
        <source>Температура прогрева</source>
        <translation>Temperatura de precalentamiento</translation>
    </message>
    <message>
        <source>Температура включения обдува реактора</source>
        <translation>Temperatura de ventilación del reactor</translation>
    </message>
    <message>
        <source>Положение датчика тока</source>
        <translation>Posición del sensor de corriente</translation>
    </message>
    <message>
        <source>Просадка напряжения DC до нуля</source>
        <translation>Caída de tensión CC a cero</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 0 драйвера 0</source>
        <translation>Delta temp. fase 0 driver 0</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 1 драйвера 0</source>
        <translation>Delta temp. fase 1 driver 0</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 2 драйвера 0</source>
        <translation>Delta temp. fase 2 driver 0</translation>
    </message>
    <message>
        <source>Регистр управления прокси</source>
        <translation>Registro de control del proxy</translation>
    </message>
    <message>
        <source>Регистр контроля связи</source>
        <translation>Registro de control de enlace</translation>
    </message>
    <message>
        <source>Индуктивность для расчетов</source>
        <translation>Inductancia para cálculos</translation>
    </message>
    <message>
        <source>Нормирование времени</source>
        <translation>Normalización de tiempo</translation>
    </message>
    <message>
        <source>Регистр управления proxy</source>
        <translation>Registro de control proxy</translation>
    </message>
    <message>
        <source>Скорость порта ЧРП</source>
        <translation>Velocidad del puerto del variador</translation>
    </message>
    <message>
        <source>Уровень рассогласования тока в ветвях фаз</source>
        <translation>Nivel de desajuste de corriente en ramas</translation>
    </message>
    <message>
        <source>Гармонический анализ</source>
        <translation>Análisis armónico</translation>
    </message>
    <message>
        <source>Компенсация нагрузки на низкой скорости</source>
        <translation>Compensación de carga a baja velocidad</translation>
    </message>
    <message>
        <source>Компенсация нагрузки на высокой скорости</source>
        <translation>Compensación de carga a alta velocidad</translation>
    </message>
    <message>
        <source>Коэффициент трансформации входных токов</source>
        <translation>Relación de transformación de corrientes de entrada</translation>
    </message>
    <message>
        <source>Смещение угла расчёта Id начальное</source>
        <translation>Desfase inicial del ángulo de cálculo Id</translation>
    </message>
    <message>
        <source>Температура входного фильтра или фильтра DC</source>
        <translation>Temperatura del filtro de entrada o CC</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 2 драйвера 1</source>
        <translation>Delta temp. fase 2 driver 1</translation>
    </message>
    <message>
        <source>P на приёме</source>
        <translation>P succión</translation>
    </message>
    <message>
        <source>Т обм. двиг.</source>
        <translation>T devanado</translation>
    </message>
    <message>
        <source>Т на приёме</source>
        <translation>T succión</translation>
    </message>
    <message>
        <source>Gx двигателя</source>
        <translation>Gx motor</translation>
    </message>
    <message>
        <source>Gy двигателя</source>
        <translation>Gy motor</translation>
    </message>
    <message>
        <source>Gz двигателя</source>
        <translation>Gz motor</translation>
    </message>
    <message>
        <source>Р на выкиде</source>
        <translation>P descarga</translation>
    </message>
    <message>
        <source>Т на выкиде</source>
        <translation>T descarga</translation>
    </message>
    <message>
        <source>Q на выкиде</source>
        <translation>Q descarga</translation>
    </message>
    <message>
        <source>Gху двигателя</source>
        <translation>Gxy motor</translation>
    </message>
    <message>
        <source>Gхуz двигателя</source>
        <translation>Gxyz motor</translation>
    </message>
    <message>
        <source>Макс.Рвх</source>
        <translation>P succ. máx.</translation>
    </message>
    <message>
        <source>Отказ связи ТМСП</source>
        <translation>Falla enlace SF-S</translation>
    </message>
    <message>
        <source>ПО ТМСП</source>
        <translation>SW SF-S</translation>
    </message>
    <message>
        <source>ПО ТМСН</source>
        <translation>SW SF-F</translation>
    </message>
    <message>
        <source>Т масла двиг.</source>
        <translation>T aceite motor</translation>
    </message>
    <message>
        <source>Сл.сост.ТМС</source>
        <translation>Estado SF</translation>
    </message>
    <message>
        <source>Сл.сост.ТМСН</source>
        <translation>Estado SF-F</translation>
    </message>
    <message>
        <source>Сл.сост.ТМСП</source>
        <translation>Estado SF-S</translation>
    </message>
    <message>
        <source>Сл.сост.ТМСП 2</source>
        <translation>Estado SF-S 2</translation>
    </message>
    <message>
        <source>Зенитный угол двигателя</source>
        <translation>Inclinación motor</translation>
    </message>
    <message>
        <source>Vxy насоса</source>
        <translation>Vxy bomba</translation>
    </message>
    <message>
        <source>Vz насоса</source>
        <translation>Vz bomba</translation>
    </message>
    <message>
        <source>Зенитный угол насоса</source>
        <translation>Inclinación bomba</translation>
    </message>
    <message>
        <source>Vxy двигателя</source>
        <translation>Vxy motor</translation>
    </message>
    <message>
        <source>Vz двигателя</source>
        <translation>Vz motor</translation>
    </message>
    <message>
        <source>Ошибочные транзакции</source>
        <translation>Transacciones fallidas</translation>
    </message>
    <message>
        <source>Удачные транзакции</source>
        <translation>Transacciones correctas</translation>
    </message>
    <message>
        <source>Счетчик последнего успешно принятого кадра</source>
        <translation>Contador de la última trama correcta</translation>
    </message>
    <message>
        <source>Время последнего пакета</source>
        <translation>Hora del último paquete</translation>
    </message>
    <message>
        <source>Конфигурация погружного блока ТМС Электон</source>
        <translation>Configuración unidad de fondo Elekton</translation>
    </message>
    <message>
        <source>Состав датчиков ТМСП</source>
        <translation>Sensores de SF-S</translation>
    </message>
    <message>
        <source>Сл.сост ТМСН</source>
        <translation>Estado SF-F</translation>
    </message>
    <message>
        <source>Тип датчика давления для ТМСН-2</source>
        <translation>Tipo de sensor de presión TMSN-2</translation>
    </message>
    <message>
        <source>Единицы измерения для давления ТМСН-3</source>
        <translation>Unidades de presión TMSN-3</translation>
    </message>
    <message>
        <source>P на приёме точное</source>
        <translation>P succión precisa</translation>
    </message>
    <message>
        <source>Статус загрузки</source>
        <translation>Estado de carga</translation>
    </message>
    <message>
        <source>Тип погружного оборудования</source>
        <translation>Tipo de equipo de fondo</translation>
    </message>
    <message>
        <source>Актив. утечки</source>
        <translation>Fuga activa</translation>
    </message>
    <message>
        <source>Пассив. утечки</source>
        <translation>Fuga pasiva</translation>
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
        <translation>Reinicio PIC V2</translation>
    </message>
    <message>
        <source>Сброс пассивных утечек тока</source>
        <translation>Reinicio de fugas pasivas</translation>
    </message>
    <message>
        <source>Время режима RSR</source>
        <translation>Tiempo del modo RSR</translation>
    </message>
    <message>
        <source>Включение режима RSR</source>
        <translation>Activar modo RSR</translation>
    </message>
    <message>
        <source>P масла двигателя</source>
        <translation>P aceite motor</translation>
    </message>
    <message>
        <source>Служебная информация</source>
        <translation>Información de servicio</translation>
    </message>
    <message>
        <source>Тип кадра</source>
        <translation>Tipo de trama</translation>
    </message>
    <message>
        <source>Время определения отказа связи с ТМСП</source>
        <translation>Tiempo de detección falla enlace SF-S</translation>
    </message>
    <message>
        <source>Время сброса ТМСП</source>
        <translation>Tiempo de reinicio SF-S</translation>
    </message>
    <message>
        <source>Сброс питания ТМСП</source>
        <translation>Reinicio alimentación SF-S</translation>
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
        <translation>P succión 2</translation>
    </message>
    <message>
        <source>Р на выкиде 2</source>
        <translation>P descarga 2</translation>
    </message>
    <message>
        <source>Т на приёме 2</source>
        <translation>T succión 2</translation>
    </message>
    <message>
        <source>Т двигателя 2</source>
        <translation>T motor 2</translation>
    </message>
    <message>
        <source>Счетчик потерянных кадров</source>
        <translation>Tramas perdidas</translation>
    </message>
    <message>
        <source>Накопленный расход, м3/ч</source>
        <translation>Caudal acumulado, m3/h</translation>
    </message>
    <message>
        <source>Накопленный расход, м3/сут</source>
        <translation>Caudal acumulado, m3/d</translation>
    </message>
    <message>
        <source>Звезда</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Проводимость</source>
        <translation>Conductividad</translation>
    </message>
    <message>
        <source>Задержка между запросами к ТМСН</source>
        <translation>Intervalo de solicitudes a SF-F</translation>
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
        <translation>Energía activa total</translation>
    </message>
    <message>
        <source>Активная энергия за текущий день</source>
        <translation>Energía activa hoy</translation>
    </message>
    <message>
        <source>Активная энергия за предыдущий день</source>
        <translation>Energía activa ayer</translation>
    </message>
    <message>
        <source>Активная энергия за текущий месяц</source>
        <translation>Energía activa este mes</translation>
    </message>
    <message>
        <source>Активная энергия за предыдущий месяц</source>
        <translation>Energía activa mes anterior</translation>
    </message>
    <message>
        <source>Общая реактивная энергия</source>
        <translation>Energía reactiva total</translation>
    </message>
    <message>
        <source>Реактивная энергия за предыдущий день</source>
        <translation>Energía reactiva ayer</translation>
    </message>
    <message>
        <source>Реактивная энергия за предыдущий месяц</source>
        <translation>Energía reactiva mes anterior</translation>
    </message>
    <message>
        <source>Коэффициент трансформации тока</source>
        <translation>Relación de TC</translation>
    </message>
    <message>
        <source>Активная энергия за предыдущий год</source>
        <translation>Energía activa año anterior</translation>
    </message>
    <message>
        <source>Активная энергия за текущий год</source>
        <translation>Energía activa este año</translation>
    </message>
    <message>
        <source>с</source>
        <translation>s</translation>
    </message>
    <message>
        <source>гггг.мм.дд чч:мм:сс</source>
        <translation>aaaa.mm.dd hh:mm:ss</translation>
    </message>
    <message>
        <source>гг.мм.дд</source>
        <translation>aa.mm.dd</translation>
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
        <translation>pie</translation>
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
        <translation>kVAr</translation>
    </message>
    <message>
        <source>ВАр</source>
        <translation>VAr</translation>
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
        <translation>kVAr·h</translation>
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
        <translation>CV</translation>
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
        <translation>Registros</translation>
    </message>
    <message>
        <source>Введите пароль</source>
        <translation>Introduzca la contraseña</translation>
    </message>
    <message>
        <source>Недостаточный уровень доступа!</source>
        <translation>¡Nivel de acceso insuficiente!</translation>
    </message>
    <message>
        <source>Неверный пароль!
Повторите попытку</source>
        <translation>¡Contraseña incorrecta!
Inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Неверный пароль!
Повторите попытку через</source>
        <translation>¡Contraseña incorrecta!
Reintente en</translation>
    </message>
    <message>
        <source>Для перемещения используйте стрелки</source>
        <translation>Use las flechas para moverse</translation>
    </message>
    <message>
        <source>Диапазон допустимых значений</source>
        <translation>Rango permitido</translation>
    </message>
    <message>
        <source>Сбросить уставки по умолчанию</source>
        <translation>Restablecer ajustes de fábrica</translation>
    </message>
    <message>
        <source>Нет датчика</source>
        <translation>Sin sensor</translation>
    </message>
    <message>
        <source>Отказ датчика</source>
        <translation>Falla del sensor</translation>
    </message>
    <message>
        <source>Блокировка</source>
        <translation>Bloqueo</translation>
    </message>
    <message>
        <source>Снять блокировку</source>
        <translation>Quitar bloqueo</translation>
    </message>
    <message>
        <source>Введите пароль для снятия блокировки</source>
        <translation>Contraseña para quitar el bloqueo</translation>
    </message>
    <message>
        <source>Перед изменением даты и времени
Рекомендуем удалить архивы
Удалить архивы сейчас?</source>
        <translation>Antes de cambiar fecha y hora
se recomienda borrar los registros
¿Borrar los registros ahora?</translation>
    </message>
    <message>
        <source>Удаление архивов</source>
        <translation>Borrando registros</translation>
    </message>
    <message>
        <source>До останова:</source>
        <translation>Hasta parada:</translation>
    </message>
    <message>
        <source>До перехода на F2:</source>
        <translation>Hasta paso a F2:</translation>
    </message>
    <message>
        <source>До перехода на F1:</source>
        <translation>Hasta paso a F1:</translation>
    </message>
    <message>
        <source>До</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>гарант.</source>
        <translation>garant.</translation>
    </message>
    <message>
        <source>пуска:</source>
        <translation>arranque:</translation>
    </message>
    <message>
        <source>ПУСК ЗАПРЕЩЕН</source>
        <translation>ARRANQUE PROHIBIDO</translation>
    </message>
    <message>
        <source>Запуск:</source>
        <translation>Arranque:</translation>
    </message>
    <message>
        <source>М-е</source>
        <translation>Cpo</translation>
    </message>
    <message>
        <source>куст</source>
        <translation>macolla</translation>
    </message>
    <message>
        <source>скв</source>
        <translation>pozo</translation>
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
        <translation>S</translation>
    </message>
    <message>
        <source>Э</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Кнопка Start заблокирована!</source>
        <translation>¡Botón Start bloqueado!</translation>
    </message>
    <message>
        <source>Необходимо подтвердить параметры в мастере настроек</source>
        <translation>Confirme los parámetros en el asistente de ajuste</translation>
    </message>
    <message>
        <source>Введите пароль для запуска СУ</source>
        <translation>Contraseña para arrancar</translation>
    </message>
    <message>
        <source>Обновление ПО:</source>
        <translation>Actualización de software:</translation>
    </message>
    <message>
        <source>Обновление ПО завершено!</source>
        <translation>¡Actualización de software terminada!</translation>
    </message>
    <message>
        <source>Копирование архивов:</source>
        <translation>Copiando registros:</translation>
    </message>
    <message>
        <source>Копирование архивов завершено!</source>
        <translation>¡Copia de registros terminada!</translation>
    </message>
    <message>
        <source>ОТКЛОНЕНИЕ ОТ РАБОЧИХ ПАРАМЕТРОВ</source>
        <translation>DESVIACIÓN DE PARÁMETROS DE OPERACIÓN</translation>
    </message>
    <message>
        <source>Внимание!
Необходимо провести автоадаптацию</source>
        <translation>¡Atención!
Se requiere autoadaptación</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>выполнено</source>
        <translation>hecho</translation>
    </message>
    <message>
        <source>прошло</source>
        <translation>transcurrido</translation>
    </message>
    <message>
        <source>Давления</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>Темпер.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>З</source>
        <translation>R</translation>
    </message>
    <message>
        <source>П</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Технологические режимы</source>
        <translation>Modos de proceso</translation>
    </message>
    <message>
        <source>Периодический</source>
        <translation>Periódico</translation>
    </message>
    <message>
        <source>Гарант. пуск</source>
        <translation>Arr. garant.</translation>
    </message>
    <message>
        <source>Черед. F.</source>
        <translation>Alt. F.</translation>
    </message>
    <message>
        <source>ВНР</source>
        <translation>Puesta en marcha</translation>
    </message>
    <message>
        <source>Поддерж.</source>
        <translation>Mant.</translation>
    </message>
    <message>
        <source>Следов.</source>
        <translation>Seg.</translation>
    </message>
    <message>
        <source>Опт.U</source>
        <translation>Opt.U</translation>
    </message>
    <message>
        <source>Токоогр.</source>
        <translation>Lím. I</translation>
    </message>
    <message>
        <source>Встряхивание</source>
        <translation>Sacudida</translation>
    </message>
    <message>
        <source>Пркч</source>
        <translation>Purga gas</translation>
    </message>
    <message>
        <source>Пркч РН</source>
        <translation>Purga gas RN</translation>
    </message>
    <message>
        <source>В работе</source>
        <translation>En marcha</translation>
    </message>
    <message>
        <source>Подключен USB накопитель</source>
        <translation>Memoria USB conectada</translation>
    </message>
    <message>
        <source>Копировать архив</source>
        <translation>Copiar registros</translation>
    </message>
    <message>
        <source>Обновить ПО</source>
        <translation>Actualizar software</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Режимы</source>
        <translation>Modos</translation>
    </message>
    <message>
        <source>Двигатель</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Насос</source>
        <translation>Bomba</translation>
    </message>
    <message>
        <source>Защиты</source>
        <translation>Protecciones</translation>
    </message>
    <message>
        <source>Аналоговый выход 1</source>
        <translation>Salida analógica 1</translation>
    </message>
    <message>
        <source>Аналоговый выход 2</source>
        <translation>Salida analógica 2</translation>
    </message>
    <message>
        <source>Аналоговый выход 3</source>
        <translation>Salida analógica 3</translation>
    </message>
    <message>
        <source>Аналоговый выход 4</source>
        <translation>Salida analógica 4</translation>
    </message>
    <message>
        <source>Аналоговые выходы</source>
        <translation>Salidas analógicas</translation>
    </message>
    <message>
        <source>Конфигурации</source>
        <translation>Configuraciones</translation>
    </message>
    <message>
        <source>Корректировка аналоговых входов</source>
        <translation>Corrección de entradas analógicas</translation>
    </message>
    <message>
        <source>Корректировка токов на входе</source>
        <translation>Corrección de corrientes de entrada</translation>
    </message>
    <message>
        <source>Корректировка токов двигателя</source>
        <translation>Corrección de corrientes del motor</translation>
    </message>
    <message>
        <source>Корректировка токов на выходе</source>
        <translation>Corrección de corrientes de salida</translation>
    </message>
    <message>
        <source>Корректировка токов трансформатора</source>
        <translation>Corrección de corrientes del transformador</translation>
    </message>
    <message>
        <source>Корректировка тока на входе</source>
        <translation>Corrección de corriente de entrada</translation>
    </message>
    <message>
        <source>Корректировка напряжения на входе</source>
        <translation>Corrección de tensión de entrada</translation>
    </message>
    <message>
        <source>Корректировка тока на выходе</source>
        <translation>Corrección de corriente de salida</translation>
    </message>
    <message>
        <source>Корректировка напряжения на выходе</source>
        <translation>Corrección de tensión de salida</translation>
    </message>
    <message>
        <source>Корректировка тока трансформатора</source>
        <translation>Corrección de corriente del transformador</translation>
    </message>
    <message>
        <source>Корректировка напряжения трансформатора</source>
        <translation>Corrección de tensión del transformador</translation>
    </message>
    <message>
        <source>Корректировка тока двигателя</source>
        <translation>Corrección de corriente del motor</translation>
    </message>
    <message>
        <source>Корректировка напряжения двигателя</source>
        <translation>Corrección de tensión del motor</translation>
    </message>
    <message>
        <source>Корректировки</source>
        <translation>Correcciones</translation>
    </message>
    <message>
        <source>Коэффициент AB</source>
        <translation>Coeficiente AB</translation>
    </message>
    <message>
        <source>Коэффициент BC</source>
        <translation>Coeficiente BC</translation>
    </message>
    <message>
        <source>Коэффициент CA</source>
        <translation>Coeficiente CA</translation>
    </message>
    <message>
        <source>Коэффициент UV</source>
        <translation>Coeficiente UV</translation>
    </message>
    <message>
        <source>Коэффициент VW</source>
        <translation>Coeficiente VW</translation>
    </message>
    <message>
        <source>Коэффициент WU</source>
        <translation>Coeficiente WU</translation>
    </message>
    <message>
        <source>Корректировка напряжений на входе</source>
        <translation>Corrección de tensiones de entrada</translation>
    </message>
    <message>
        <source>Корректировка напряжений двигателя</source>
        <translation>Corrección de tensiones del motor</translation>
    </message>
    <message>
        <source>Корректировка напряжений на выходе</source>
        <translation>Corrección de tensiones de salida</translation>
    </message>
    <message>
        <source>Корректировка напряжений трансформатора</source>
        <translation>Corrección de tensiones del transformador</translation>
    </message>
    <message>
        <source>Счётчики</source>
        <translation>Contadores</translation>
    </message>
    <message>
        <source>Сброс счётчиков</source>
        <translation>Reiniciar contadores</translation>
    </message>
    <message>
        <source>Текущие параметры ТМС</source>
        <translation>Lecturas del sensor de fondo</translation>
    </message>
    <message>
        <source>Текущие параметры платы расширений</source>
        <translation>Lecturas de la placa de expansión</translation>
    </message>
    <message>
        <source>Замкнут</source>
        <translation>Cerrado</translation>
    </message>
    <message>
        <source>Разомкнут</source>
        <translation>Abierto</translation>
    </message>
    <message>
        <source>Текущие параметры входов</source>
        <translation>Lecturas de entradas</translation>
    </message>
    <message>
        <source>Открыта</source>
        <translation>Abierta</translation>
    </message>
    <message>
        <source>Закрыта</source>
        <translation>Cerrada</translation>
    </message>
    <message>
        <source>Текущие параметры технолога</source>
        <translation>Lecturas del ingeniero</translation>
    </message>
    <message>
        <source>Текущие параметры двигателя по модели</source>
        <translation>Lecturas del motor (modelo)</translation>
    </message>
    <message>
        <source>Текущие параметры двигателя</source>
        <translation>Lecturas del motor</translation>
    </message>
    <message>
        <source>Текущие параметры выхода СУ и ТМПН</source>
        <translation>Lecturas de salida y transf. elev.</translation>
    </message>
    <message>
        <source>Текущие параметры выхода СУ и ТМПН по модели</source>
        <translation>Lecturas de salida y transf. elev. (modelo)</translation>
    </message>
    <message>
        <source>Ручной</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Текущие параметры ЧРП</source>
        <translation>Lecturas del variador</translation>
    </message>
    <message>
        <source>Текущие параметры сети</source>
        <translation>Lecturas de la red</translation>
    </message>
    <message>
        <source>Текущие параметры</source>
        <translation>Lecturas actuales</translation>
    </message>
    <message>
        <source>Сбросить счётчики</source>
        <translation>Reiniciar contadores</translation>
    </message>
    <message>
        <source>Сбросить счётчики качества связи?</source>
        <translation>¿Reiniciar contadores de calidad de enlace?</translation>
    </message>
    <message>
        <source>Внимание!
Отключена запись аварийных архивов
и защита чередования фаз</source>
        <translation>¡Atención!
Registro de fallas y protección de
secuencia de fases desactivados</translation>
    </message>
    <message>
        <source>Счётчик электроэнергии</source>
        <translation>Medidor de energía</translation>
    </message>
    <message>
        <source>Параметры связи счётчика электроэнергии</source>
        <translation>Enlace del medidor de energía</translation>
    </message>
    <message>
        <source>Потребление активной электоэнергии</source>
        <translation>Consumo de energía activa</translation>
    </message>
    <message>
        <source>Сброс потреблёной активной электоэнергии</source>
        <translation>Reiniciar energía activa consumida</translation>
    </message>
    <message>
        <source>Сбросить потребленую активную электоэнергию?</source>
        <translation>¿Reiniciar la energía activa consumida?</translation>
    </message>
    <message>
        <source>Фильтры</source>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>Релейные выходы</source>
        <translation>Salidas de relé</translation>
    </message>
    <message>
        <source>Оборудование</source>
        <translation>Equipos</translation>
    </message>
    <message>
        <source>Защита по перегреву фильтра отключена</source>
        <translation>Protección por sobretemp. de filtro desactivada</translation>
    </message>
    <message>
        <source>Скважина</source>
        <translation>Pozo</translation>
    </message>
    <message>
        <source>Технологические настройки</source>
        <translation>Ajustes de proceso</translation>
    </message>
    <message>
        <source>Записная книжка</source>
        <translation>Libreta</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Меню</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Настройка меню технолога</source>
        <translation>Ajuste del menú del ingeniero</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Estadística</translation>
    </message>
    <message>
        <source>Станция управления</source>
        <translation>Estación de control</translation>
    </message>
    <message>
        <source>Система</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Пароли</source>
        <translation>Contraseñas</translation>
    </message>
    <message>
        <source>Телемеханика</source>
        <translation>Telemetría</translation>
    </message>
    <message>
        <source>ИБП</source>
        <translation>UPS</translation>
    </message>
    <message>
        <source>Любая</source>
        <translation>Cualquiera</translation>
    </message>
    <message>
        <source>Ожидание АПВ</source>
        <translation>Espera de rearranque</translation>
    </message>
    <message>
        <source>АПВ ЗАПРЕЩЕНО</source>
        <translation>REARRANQUE PROHIBIDO</translation>
    </message>
    <message>
        <source>Запрещ. параметр:</source>
        <translation>Parámetro que lo impide:</translation>
    </message>
    <message>
        <source>Работа по программе. Режим:</source>
        <translation>Marcha por programa. Modo:</translation>
    </message>
    <message>
        <source>ПЕРИОДИЧЕСКИЙ</source>
        <translation>PERIÓDICO</translation>
    </message>
    <message>
        <source>текущее состояние:</source>
        <translation>estado actual:</translation>
    </message>
    <message>
        <source>ПАУЗА</source>
        <translation>PAUSA</translation>
    </message>
    <message>
        <source>ГАРАНТИРОВАННЫЙ ПУСК</source>
        <translation>ARRANQUE GARANTIZADO</translation>
    </message>
    <message>
        <source>Прошло:</source>
        <translation>Transcurrido:</translation>
    </message>
    <message>
        <source>Осталось:</source>
        <translation>Restante:</translation>
    </message>
    <message>
        <source>Количество АПВ:</source>
        <translation>Rearranques:</translation>
    </message>
    <message>
        <source>Сбросить все уставки по умолчанию</source>
        <translation>Restablecer todos los ajustes de fábrica</translation>
    </message>
    <message>
        <source>Сохранить конфигурацию на USB накопитель?</source>
        <translation>¿Guardar la configuración en la memoria USB?</translation>
    </message>
    <message>
        <source>Сохранение конфигурации на USB накопитель...</source>
        <translation>Guardando configuración en USB...</translation>
    </message>
    <message>
        <source>Для загрузки конфигурации остановите двигатель!</source>
        <translation>¡Detenga el motor para cargar una configuración!</translation>
    </message>
    <message>
        <source>Загрузить конфигурацию с USB накопителя?</source>
        <translation>¿Cargar la configuración desde la memoria USB?</translation>
    </message>
    <message>
        <source>Загрузка конфигурации с USB накопителя...</source>
        <translation>Cargando configuración desde USB...</translation>
    </message>
    <message>
        <source>Загрузка уставок из профиля</source>
        <translation>Cargar ajustes de perfil</translation>
    </message>
    <message>
        <source>Профили для загрузки отсутствуют!</source>
        <translation>¡No hay perfiles para cargar!</translation>
    </message>
    <message>
        <source>Необходимо сохранить хотя бы один профиль</source>
        <translation>Guarde al menos un perfil primero</translation>
    </message>
    <message>
        <source>Для загрузки уставок остановите двигатель!</source>
        <translation>¡Detenga el motor para cargar ajustes!</translation>
    </message>
    <message>
        <source>Загрузить уставки из профиля %1?</source>
        <translation>¿Cargar ajustes del perfil %1?</translation>
    </message>
    <message>
        <source>Загрузка уставок из профиля %1...</source>
        <translation>Cargando ajustes del perfil %1...</translation>
    </message>
    <message>
        <source>Контроллер не сообщил о завершении операции</source>
        <translation>El controlador no informó el fin de la operación</translation>
    </message>
    <message>
        <source>Технолог</source>
        <translation>Ingeniero</translation>
    </message>
    <message>
        <source>Сервис</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>Супер</source>
        <translation>Súper</translation>
    </message>
    <message>
        <source>Сохранение уставок в профиль</source>
        <translation>Guardar ajustes en perfil</translation>
    </message>
    <message>
        <source>Сохранить уставки в профиль %1?</source>
        <translation>¿Guardar ajustes en el perfil %1?</translation>
    </message>
    <message>
        <source>Сохранение уставок в профиль %1...</source>
        <translation>Guardando ajustes en el perfil %1...</translation>
    </message>
    <message>
        <source>Мастер настроек</source>
        <translation>Asistente de ajuste</translation>
    </message>
    <message>
        <source>Перезагрузка ПО</source>
        <translation>Reiniciar software</translation>
    </message>
</context>
</TS>
