// Every text the game shows the player, in the order of texts.h. xgettext takes them from
// here for the translations' catalogues (README, "Languages"): a text is marked N_, one that
// reads the same as another in Russian but means something else NC_ with its context, and a
// template's values are named for the translators in a comment starting "TRANSLATORS:"
// just above it.
#include "model/texts.h"

namespace kr::text {

const Text kGameName = N_("Крепостан");
const Text kDefaultNick = N_("Player1");
const Text kMainMenuTitle = N_("Игра");
const Text kNewGame = N_("Начать новую одиночную игру");
const Text kLoadGame = N_("Загрузить игру");
const Text kNetworkGame = N_("Начать сетевую игру");
const Text kExit = N_("Выход");
const Text kAbout = NC_("main menu: the button that opens the about box", "About");
const Text kAboutTitle = NC_("the about box's title", "About");
const Text kOk = N_("OK");
const Text kAboutText =
    N_("Небольшая стратегия о том, как вырастить из одного штаба настоящую крепость. "
       "Стройте аккумуляторы, заводы и локатор, держите в равновесии энергию, металл и "
       "дерево, а когда Королевство позовёт — встречайте врага на границе. "
       "Удачи, Командир!");
const Text kStart = N_("Начать");
const Text kLoadTerrain = NC_("briefing: lay out the level's terrain", "Загрузить");
const Text kQuitBriefing = N_("Выйти");
const Text kNickPrompt = N_("Ваше имя?");
const Text kLoadedAll = N_("100 %");
const Text kPercentSuffix = N_(" %");
const Text kBriefingLevel1 =
    N_("Милорд! Королевство нуждается в Вашей помощи! Нам нужны "
       "ресурсы! Ваше задание будет очень простым, но из-за этого "
       "не менее важным! Итак. Цели миссии: Собрать по 10000 единиц "
       "каждого из трех ресурсов. Места для строительства Мы можем "
       "выделить для Вас очень мало, но должно хватить... Если Вы "
       "покажете Себя с лучшей стороны, то Мы продолжим с Вами "
       "сотрудничать. Удачи, Командир! Посмотрим, что у Вас "
       "получится...");
const Text kBriefingLevel2 =
    N_("Что, расслабились? Рановато почивать на лаврах! Вы успешно "
       "справились с первым заданием! А посему, как лучшего "
       "Командующего Королевства, придется Вас сразу бросить в "
       "пекло Войны... Враг не дремлет и находится рядом с "
       "Королевством. Ваша база должна быть отстроена на границе. "
       "Задача же такова: Уничтожить подступающего к Королевству "
       "противника! Да так, чтобы он больше никогда не захотел "
       "делать попытку откусить лакомый кусочек от нашей Славной "
       "Державы! Покажите ему Кузькину мать!!!");
const Text kGoalLevel1 = N_("Цели миссии: Собрать по 10000 единиц каждого из трех ресурсов.");
const Text kGoalLevel2 = N_("Цели миссии: Уничтожить подступающего к Королевству противника.");
const Text kBuildFrame = N_("Строительство");
const Text kUnderConstruction = N_("СТРОИТЕЛЬСТВО");
const Text kResourcesFrame = N_("Ресурсы");
const Text kEnergyTitle = N_("Энергия: ");
const Text kMetalTitle = N_("Металл:   ");
const Text kWoodTitle = N_("Дерево:   ");
const Text kMinimapFrame = N_("Карта");
const Text kPowerSwitchStored = N_("Включение");
const Text kSwitchOn = N_("Включить");
const Text kSwitchOff = N_("Отключить");
// TRANSLATORS: {1} the amount of energy a building costs
const Text kEnergyPrice = N_("Э-{1}");
// TRANSLATORS: {1} the amount of metal a building costs
const Text kMetalPrice = N_("М-{1}");
// TRANSLATORS: {1} the amount of wood a building costs
const Text kWoodPrice = N_("Д-{1}");
// TRANSLATORS: {1} the energy a building makes or uses per tick: "+20", "-50" or "--"
const Text kEffectEnergy = N_("Энергия: {1}");
// TRANSLATORS: {1} the metal a building makes or uses per tick: "+20", "-50" or "--"
const Text kEffectMetal = N_("Металл: {1}");
// TRANSLATORS: {1} the wood a building makes or uses per tick: "+20", "-50" or "--"
const Text kEffectWood = N_("Дерево: {1}");
const Text kNoEffect = N_("--");
const Text kAccumulatorLabel = N_("Энергия");
const Text kAccumulatorTooltip = N_("Аккумулятор");
const Text kAccumulatorName = N_("Аккумулятор");
const Text kMetalWorksLabel = N_("Металл");
const Text kMetalWorksTooltip = N_("Металло-перерабатывающий завод");
const Text kMetalWorksName = N_("Металло-переработка");
const Text kWoodWorksLabel = N_("Дерево");
const Text kWoodWorksTooltip = N_("Дерево-перерабатывающий завод");
const Text kWoodWorksName = N_("Дерево-переработка");
const Text kLocatorLabel = N_("Локатор");
const Text kLocatorTooltip = N_("Локатор");
const Text kLocatorName = N_("Локатор");
const Text kTankFactoryLabel = N_("Танковый завод");
const Text kTankFactoryTooltip = N_("Завод по производству танков");
const Text kTankFactoryName = N_("Танковый завод");
const Text kTankLabel = N_("Танк");
const Text kConverterTooltip = N_("Конвертер - сжигает дерево для получения электричества");
const Text kConverterName = N_("Конвертер");
const Text kHeadquartersName = N_("Строительный комплекс");
const Text kDeveloperNick = N_("Velmarok");
// TRANSLATORS: {1} the nickname of who wrote, {2} what was typed
const Text kChatLine = N_("{1}: {2}");
// TRANSLATORS: {1} the player's nickname
const Text kDeveloperModeOn = N_("{1} Режим девелопера был активирован");
// TRANSLATORS: {1} the player's nickname
const Text kDeveloperModeOff = N_("{1} Режим девелопера был отключен");
// TRANSLATORS: {1} the player's nickname
const Text kResourcesAdded = N_("{1} Ресурсы успешно добавлены");
// TRANSLATORS: {1} the notepad's line brought back
const Text kNotepadLine = N_("Блокнот: {1}");
const Text kRestart = N_("Уровень заново");
const Text kSave = N_("Сохранить");
const Text kLoad = NC_("game menu: load the saved game", "Загрузить");
const Text kNotepad = N_("Блокнот");
const Text kMusicOff = N_("Выключить музыку");
const Text kMusicOn = N_("Включить музыку");
const Text kSecondTrack = N_("Rammstein!");
const Text kFirstTrack = N_("In your face");
const Text kSure = N_("Уверены?");
const Text kSureToLoad =
    N_("Вы уверены, что хотите загрузить игру? (Все несохраненные данные будут утеряны!!!)");
const Text kSureToExit =
    N_("Вы уверены, что хотите выйти? (Все несохраненные данные будут утеряны!!!)");
const Text kMessageTitle = N_("Сообщение");
const Text kYes = N_("Да");
const Text kNo = N_("Нет");
const Text kOkAnswer = N_("ОК");
const Text kCongratulations = N_("Поздравляю!!!");
const Text kLevelPassed = N_("Вы прошли этот уровень!");
// TRANSLATORS: {1} the player's nickname, {2} the number of the level saved
const Text kLevelSaved = N_("{1} Уровень {2} сохранен успешно");
// TRANSLATORS: {1} the number of the level loaded
const Text kLoadedLevel = N_("Загруженный уровень: {1}");
const Text kLoadedSuccessfully = N_("Загружено успешно!");
const Text kLoadFailed = N_("Загрузить не получилось! Возможно поврежден файл сохранения");
const Text kSaveFailed = N_("Ошибка! Проверьте, есть ли на диске свободное место");
const Text kBackToMenu = N_("Вернуться в меню");
const Text kNetworkDialogTitle = N_("Form4");
const Text kNetworkGameTitle = N_("Сетевая игра");
const Text kHost = N_("Засервить");
const Text kJoin = N_("Присоединиться");
const Text kAddressPrompt = N_("IP, к которому хотите подключиться");
const Text kDefaultAddress = N_("192.168.0.2");
const Text kConnectFailed = N_("Подключиться не получилось");

}  // namespace kr::text
