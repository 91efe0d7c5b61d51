// Every text the game shows the player, in the order of texts.h.
#include "model/texts.h"

namespace kr::text {

const char kGameName[] = "Крепостан";
const char kDefaultNick[] = "Player1";
const char kMainMenuTitle[] = "Игра";
const char kNewGame[] = "Начать новую одиночную игру";
const char kLoadGame[] = "Загрузить игру";
const char kNetworkGame[] = "Начать сетевую игру";
const char kExit[] = "Выход";
const char kAbout[] = "About";
const char kAboutTitle[] = "About";
const char kOk[] = "OK";
const char kAboutText[] =
    "Небольшая стратегия о том, как вырастить из одного штаба настоящую крепость. "
    "Стройте аккумуляторы, заводы и локатор, держите в равновесии энергию, металл и "
    "дерево, а когда Королевство позовёт — встречайте врага на границе. "
    "Удачи, Командир!";
const char kStart[] = "Начать";
const char kLoadTerrain[] = "Загрузить";
const char kQuitBriefing[] = "Выйти";
const char kNickPrompt[] = "Ваше имя?";
const char kLoadedAll[] = "100 %";
const char kPercentSuffix[] = " %";
const char kBriefingLevel1[] =
    "Милорд! Королевство нуждается в Вашей помощи! Нам нужны "
    "ресурсы! Ваше задание будет очень простым, но из-за этого "
    "не менее важным! Итак. Цели миссии: Собрать по 10000 единиц "
    "каждого из трех ресурсов. Места для строительства Мы можем "
    "выделить для Вас очень мало, но должно хватить... Если Вы "
    "покажете Себя с лучшей стороны, то Мы продолжим с Вами "
    "сотрудничать. Удачи, Командир! Посмотрим, что у Вас "
    "получится...";
const char kBriefingLevel2[] =
    "Что, расслабились? Рановато почивать на лаврах! Вы успешно "
    "справились с первым заданием! А посему, как лучшего "
    "Командующего Королевства, придется Вас сразу бросить в "
    "пекло Войны... Враг не дремлет и находится рядом с "
    "Королевством. Ваша база должна быть отстроена на границе. "
    "Задача же такова: Уничтожить подступающего к Королевству "
    "противника! Да так, чтобы он больше никогда не захотел "
    "делать попытку откусить лакомый кусочек от нашей Славной "
    "Державы! Покажите ему Кузькину мать!!!";
const char kGoalLevel1[] = "Цели миссии: Собрать по 10000 единиц каждого из трех ресурсов.";
const char kGoalLevel2[] = "Цели миссии: Уничтожить подступающего к Королевству противника.";
const char kBuildFrame[] = "Строительство";
const char kUnderConstruction[] = "СТРОИТЕЛЬСТВО";
const char kResourcesFrame[] = "Ресурсы";
const char kEnergyTitle[] = "Энергия: ";
const char kMetalTitle[] = "Металл:   ";
const char kWoodTitle[] = "Дерево:   ";
const char kMinimapFrame[] = "Карта";
const char kPowerSwitchStored[] = "Включение";
const char kSwitchOn[] = "Включить";
const char kSwitchOff[] = "Отключить";
const char kPaletteCaption[] = "{1} Э-{2} М-{3} Д-{4}";
const char kEffectEnergy[] = "Энергия: {1}";
const char kEffectMetal[] = "Металл: {1}";
const char kEffectWood[] = "Дерево: {1}";
const char kNoEffect[] = "--";
const char kAccumulatorLabel[] = "Энергия";
const char kAccumulatorTooltip[] = "Аккумулятор";
const char kAccumulatorName[] = "Аккумулятор";
const char kMetalWorksLabel[] = "Металл";
const char kMetalWorksTooltip[] = "Металло-перерабатывающий завод";
const char kMetalWorksName[] = "Металло-переработка";
const char kWoodWorksLabel[] = "Дерево";
const char kWoodWorksTooltip[] = "Дерево-перерабатывающий завод";
const char kWoodWorksName[] = "Дерево-переработка";
const char kLocatorLabel[] = "Локатор";
const char kLocatorTooltip[] = "Локатор";
const char kLocatorName[] = "Локатор";
const char kTankFactoryLabel[] = "Танковый завод";
const char kTankFactoryTooltip[] = "Завод по производству танков";
const char kTankFactoryName[] = "Танковый завод";
const char kTankLabel[] = "Танк";
const char kConverterTooltip[] = "Конвертер - сжигает дерево для получения электричества";
const char kConverterName[] = "Конвертер";
const char kHeadquartersName[] = "Строительный комплекс";
const char kDeveloperNick[] = "Velmarok";
const char kChatLine[] = "{1}: {2}";
const char kDeveloperModeOn[] = "{1} Режим девелопера был активирован";
const char kDeveloperModeOff[] = "{1} Режим девелопера был отключен";
const char kResourcesAdded[] = "{1} Ресурсы успешно добавлены";
const char kNotepadLine[] = "Блокнот: {1}";
const char kRestart[] = "Уровень заново";
const char kSave[] = "Сохранить";
const char kLoad[] = "Загрузить";
const char kNotepad[] = "Блокнот";
const char kMusicOff[] = "Выключить музыку";
const char kMusicOn[] = "Включить музыку";
const char kSecondTrack[] = "Rammstein!";
const char kFirstTrack[] = "In your face";
const char kSure[] = "Уверены?";
const char kSureToLoad[] =
    "Вы уверены, что хотите загрузить игру? (Все несохраненные данные будут утеряны!!!)";
const char kSureToExit[] =
    "Вы уверены, что хотите выйти? (Все несохраненные данные будут утеряны!!!)";
const char kMessageTitle[] = "Сообщение";
const char kYes[] = "Да";
const char kNo[] = "Нет";
const char kOkAnswer[] = "ОК";
const char kCongratulations[] = "Поздравляю!!!";
const char kLevelPassed[] = "Вы прошли этот уровень!";
const char kLevelSaved[] = "{1} Уровень {2} сохранен успешно";
const char kLoadedLevel[] = "Загруженный уровень: {1}";
const char kLoadedSuccessfully[] = "Загружено успешно!";
const char kLoadFailed[] = "Загрузить не получилось! Возможно поврежден файл сохранения";
const char kSaveFailed[] = "Ошибка! Проверьте, есть ли на диске свободное место";
const char kBackToMenu[] = "Вернуться в меню";
const char kNetworkDialogTitle[] = "Form4";
const char kNetworkGameTitle[] = "Сетевая игра";
const char kHost[] = "Засервить";
const char kJoin[] = "Присоединиться";
const char kAddressPrompt[] = "IP, к которому хотите подключиться";
const char kDefaultAddress[] = "192.168.0.2";
const char kConnectFailed[] = "Подключиться не получилось";

}  // namespace kr::text
