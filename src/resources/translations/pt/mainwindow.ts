<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>MainWindow</name>
    <message>
        <source>TOVALO - Routing</source>
        <translation>TOVALO -Roteirizador</translation>
    </message>
    <message>
        <source>Algorithm input</source>
        <translation>Input do algoritmo</translation>
    </message>
    <message>
        <source>Max run. time:</source>
        <translation>Tempo máximo</translation>
    </message>
    <message>
        <source>Route type</source>
        <translation>Tipo de rotas</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>Fechada</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aberta</translation>
    </message>
    <message>
        <source>Data input</source>
        <translation>Dados de entrada</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Routes info</source>
        <translation>Informações de rotas</translation>
    </message>
    <message>
        <source>Web link :</source>
        <translation>Web link:</translation>
    </message>
    <message>
        <source>Total time :</source>
        <translation>Tempo total:</translation>
    </message>
    <message>
        <source>N. Vehicle used :</source>
        <translation>N. de veículos utilizados :</translation>
    </message>
    <message>
        <source>N. unrouted clients :</source>
        <translation>N. de clientes não roteirizados :</translation>
    </message>
    <message>
        <source>Total distance :</source>
        <translation>Distância total :</translation>
    </message>
    <message>
        <source>Total load :</source>
        <translation>Carga total :</translation>
    </message>
    <message>
        <source>Add from DB</source>
        <translation>Adicionar do banco de dados</translation>
    </message>
    <message>
        <source>Import .csv</source>
        <translation>Importar .csv</translation>
    </message>
    <message>
        <source>Export .csv</source>
        <translation>Exportar .csv</translation>
    </message>
    <message>
        <source>Save clients on database</source>
        <translation>Salvar clientes no banco de dados</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Automatic writing</source>
        <translation>Preenchimento automático</translation>
    </message>
    <message>
        <source>Search lat/long</source>
        <translation>Buscar lat/long</translation>
    </message>
    <message>
        <source> Open route</source>
        <translation>Abrir rota</translation>
    </message>
    <message>
        <source>Import instance (.tvl)</source>
        <translation>Importar instancia (.tvl)</translation>
    </message>
    <message>
        <source>Export instance (.tvl)</source>
        <translation>Exportar instancia (.tvl)</translation>
    </message>
    <message>
        <source>Save instance on database (.tvl)</source>
        <translation>Salva a instancia no banco de dados</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>Otimizar</translation>
    </message>
    <message>
        <source>Optimize the problem</source>
        <translation>Otimiza o problema</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Análise</translation>
    </message>
    <message>
        <source>Reoptimize problem</source>
        <translation>Reotimiza o problema</translation>
    </message>
    <message>
        <source>Open database window</source>
        <translation>Abre janela de banco de dados</translation>
    </message>
    <message>
        <source>Change settings</source>
        <translation>Alterar configurações</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contato</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Banco de dados</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Instance already running</source>
        <translation>Instancia já em execução</translation>
    </message>
    <message>
        <source>There is a current instance in optimization already, please wait until it finishes processing</source>
        <translation>Já existe uma instancia sendo otimizada, por favor aguarde até o fim do processamento </translation>
    </message>
    <message>
        <source>Checking input data...</source>
        <translation>Verificando dados de entrada...</translation>
    </message>
    <message>
        <source>Input data error</source>
        <translation>Erro de entrada de dados</translation>
    </message>
    <message>
        <source>The biggest client demand is bigger than the smallest vehicle capacity, please correct that before continue</source>
        <translation>A maior demanda dentre os clientes é maior do que a menor capacidade de veículos, favor corrigir isto antes de continuar</translation>
    </message>
    <message>
        <source>Collecting distance matrices...</source>
        <translation>Coletando matriz de distâncias</translation>
    </message>
    <message>
        <source>Optimizing problem...</source>
        <translation>Otimizando problema...</translation>
    </message>
    <message>
        <source>The program is already searching lat/long values, please wait until it finishes processing or click the red button on the right bottom of the screen</source>
        <translation>O programa já está buscando valores de lat/long, por favor aguarde o fim do processamento ou clique no botão vermelho no canto inferior direito da tela</translation>
    </message>
    <message>
        <source>Missing 'Name(ID)' value on row</source>
        <translation>Não existe 'Nome' na linha </translation>
    </message>
    <message>
        <source>Missing 'Address' value on row</source>
        <translation>Não existe 'Endereço' na linha </translation>
    </message>
    <message>
        <source>Missing 'Number' value on row</source>
        <translation>Não existe 'Número' na linha </translation>
    </message>
    <message>
        <source>Missing 'Neighborhood' value on row</source>
        <translation>Não existe 'Bairro' na linha </translation>
    </message>
    <message>
        <source>Missing 'City' value on row</source>
        <translation>Não existe 'Cidade' na linha </translation>
    </message>
    <message>
        <source>Missing 'State' value on row</source>
        <translation>Não existe 'Estado' na linha </translation>
    </message>
    <message>
        <source>Missing 'Country' value on row</source>
        <translation>Não existe 'País' na linha </translation>
    </message>
    <message>
        <source>Name (ID)</source>
        <translation>Nome (ID)</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Neighborhood</source>
        <translation>Bairro</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>lat</source>
        <translation>lat</translation>
    </message>
    <message>
        <source>lon</source>
        <translation>lon</translation>
    </message>
    <message>
        <source>Early tw</source>
        <translation>Início jt</translation>
    </message>
    <message>
        <source>Late tw</source>
        <translation>Fim jt</translation>
    </message>
    <message>
        <source>Service time</source>
        <translation>Tempo de serviço</translation>
    </message>
    <message>
        <source>Demand</source>
        <translation>Demanda</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Observações</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacidade</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Disponível</translation>
    </message>
    <message>
        <source>Fixed cost</source>
        <translation>Custo fixo</translation>
    </message>
    <message>
        <source>Variable cost</source>
        <translation>Custo variável</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Rota</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Veículo</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Chegada</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>The first client of the grid is the depot</source>
        <translation>O primeiro cliente da tabela é o depósito</translation>
    </message>
    <message>
        <source>Latitude from client´s location</source>
        <translation>Latitude da localização do cliente</translation>
    </message>
    <message>
        <source>Longitude from client´s location</source>
        <translation>Longitude da localização do cliente</translation>
    </message>
    <message>
        <source>Earliest time that a vehicle may arrive at the client</source>
        <translation>Horário mais cedo em que um veículo pode chegar ao cliente</translation>
    </message>
    <message>
        <source>Latest time that a vehicle may arrive at the client</source>
        <translation>Horário mais tarde em que um veículo pode chegar ao cliente</translation>
    </message>
    <message>
        <source>Time spent on the client (min)</source>
        <translation>Tempo gasto no cliente (min)</translation>
    </message>
    <message>
        <source>Demand collected from, or delivered to the client (units)</source>
        <translation>Demanda coletada do cliente, ou entregue a ele (unidades)</translation>
    </message>
    <message>
        <source>Any extra information from the client</source>
        <translation>Qualquer informação extra do cliente</translation>
    </message>
    <message>
        <source>Route number</source>
        <translation>Número da rota</translation>
    </message>
    <message>
        <source>Vehicle used on route</source>
        <translation>Veículo usado na rota</translation>
    </message>
    <message>
        <source>Time arrived at the client (if it arrives before the earliest time-window, it must wait)</source>
        <translation>Horário de chegada ao cliente (se chegar antes do início da janela de tempo, deve esperar)</translation>
    </message>
    <message>
        <source>Time that the vehicle departures from the client</source>
        <translation>Horário em que o veículo sai do cliente</translation>
    </message>
    <message>
        <source>Import a client from the database</source>
        <translation>Importa um cliente do banco de dados</translation>
    </message>
    <message>
        <source>Clear all data from the client grid</source>
        <translation>Apaga todos os dados da tabela de clientes</translation>
    </message>
    <message>
        <source>Automatically fill the data with default values (from window 'settings')</source>
        <translation>Preenche automaticamente os dados com os valores padrão (da janela 'configurações')</translation>
    </message>
    <message>
        <source>Search for lat/long values of an address from the form. Text should be without diacritics.
The search method can be changed on the settings window ('lat/long fetching')</source>
        <translation>Busca os valores de lat/long de um endereço do formulário. O texto deve estar sem acentos.
O método de busca pode ser alterado na janela de configurações ('busca de lat/long')</translation>
    </message>
    <message>
        <source>Clear the data from the solution grid</source>
        <translation>Apaga os dados da tabela de solução</translation>
    </message>
    <message>
        <source>Export the solution data to a .csv spreadsheet</source>
        <translation>Exporta os dados da solução para uma planilha .csv</translation>
    </message>
    <message>
        <source>Import data from a .csv spreadsheet</source>
        <translation>Importa dados de uma planilha .csv</translation>
    </message>
    <message>
        <source>Export data to a .csv spreadsheet</source>
        <translation>Exporta dados para uma planilha .csv</translation>
    </message>
    <message>
        <source>Clear the data from the vehicle input grid</source>
        <translation>Apaga os dados da tabela de veículos</translation>
    </message>
    <message>
        <source>Open the selected route link on the default web browser</source>
        <translation>Abre o link da rota selecionada no navegador padrão</translation>
    </message>
    <message>
        <source>An 'open' route starts at the depot and finishes at the last routed client</source>
        <translation>Uma rota 'aberta' começa no depósito e termina no último cliente roteirizado</translation>
    </message>
    <message>
        <source>A 'closed' route start and ends at the depot</source>
        <translation>Uma rota 'fechada' começa e termina no depósito</translation>
    </message>
    <message>
        <source>Open the 'Analysis' window</source>
        <translation>Abre a janela de 'Análise'</translation>
    </message>
    <message>
        <source>Run the routing algorithm</source>
        <translation>Executa o algoritmo de roteirização</translation>
    </message>
    <message>
        <source>Import an instance (input + solution, .csv format) and display it on the form</source>
        <translation>Importa uma instancia (entrada + solução) e a mostra no formulário</translation>
    </message>
    <message>
        <source>Export the current instance (input + solution, .csv format)</source>
        <translation>Exporta a instancia atual (entrada + solução)</translation>
    </message>
    <message>
        <source>Open the 'Settings' window</source>
        <translation>Abre a janela de 'Configurações'</translation>
    </message>
    <message>
        <source>Open the 'Database' window</source>
        <translation>Abre a janela de 'Banco de dados'</translation>
    </message>
    <message>
        <source>Save all clients from the current grid on the database</source>
        <translation>Salva todos os clientes da tabela atual no banco de dados</translation>
    </message>
    <message>
        <source>Stop the lat/long search procedure</source>
        <translation>Interrompe a busca de lat/long</translation>
    </message>
    <message>
        <source>Current language of the application</source>
        <translation>Idioma atual do programa</translation>
    </message>
    <message>
        <source>Web link (google free)</source>
        <translation>Web link (google gratuito)</translation>
    </message>
    <message>
        <source>Web link (google PAYED)</source>
        <translation>Web link (google PAGO)</translation>
    </message>
    <message>
        <source>Action required</source>
        <translation>Ação necessária</translation>
    </message>
    <message>
        <source>An operation is still running (lat/long), would you like to cancel it?</source>
        <translation>Uma operação ainda está em execução (lat/long), deseja cancelá-la?</translation>
    </message>
    <message>
        <source>An operation is still running (optimizing problem), would you like to cancel it?</source>
        <translation>Uma operação ainda está em execução (otimizando problema), deseja cancelá-la?</translation>
    </message>
    <message>
        <source>There are no client data</source>
        <translation>Não existem dados de clientes</translation>
    </message>
    <message>
        <source>Invalid initial or end operation date (depot time window). 
You can automatically fill this data by clicking button 'Automatic writing', the information is colelcted based on the settings window configuration</source>
        <translation>Data inicial ou final da operação inválida (janela de tempo do depósito). 
Você pode preencher estes dados automaticamente clicando no botão 'Preenchimento automático', a informação é obtida da janela de configurações</translation>
    </message>
    <message>
        <source>Operation end date is earlier than start date</source>
        <translation>A data final da operação é anterior à data inicial</translation>
    </message>
    <message>
        <source>Missing client 'Name(ID)' value on row </source>
        <translation>Não existe 'Nome' do cliente na linha </translation>
    </message>
    <message>
        <source>Missing client 'Address' value on row </source>
        <translation>Não existe 'Endereço' do cliente na linha </translation>
    </message>
    <message>
        <source>Missing client 'Number' value on row </source>
        <translation>Não existe 'Número' do cliente na linha </translation>
    </message>
    <message>
        <source>Missing client 'Neighborhood' value on row </source>
        <translation>Não existe 'Bairro' do cliente na linha </translation>
    </message>
    <message>
        <source>Missing client 'City' value on row </source>
        <translation>Não existe 'Cidade' do cliente na linha </translation>
    </message>
    <message>
        <source>Missing client 'State' value on row </source>
        <translation>Não existe 'Estado' do cliente na linha </translation>
    </message>
    <message>
        <source>Missing client 'Country' value on row </source>
        <translation>Não existe 'País' do cliente na linha </translation>
    </message>
    <message>
        <source>Missing or invalid client 'lat/lon' value on row</source>
        <translation>Valor de 'lat/lon' do cliente ausente ou inválido na linha </translation>
    </message>
    <message>
        <source>
The search for lat/long values is better performed when the addresses dont have diacritics.
Also, the search method can be changed on the settings window.</source>
        <translation>
A busca de valores de lat/long funciona melhor quando os endereços não têm acentos.
Além disso, o método de busca pode ser alterado na janela de configurações.</translation>
    </message>
    <message>
        <source>Invalid client time window on row </source>
        <translation>Janela de tempo do cliente inválida na linha </translation>
    </message>
    <message>
        <source>Late time window is earlier than earlier time window on row </source>
        <translation>O fim da janela de tempo é anterior ao início na linha </translation>
    </message>
    <message>
        <source>Early time window is later than begin operation time on row </source>
        <translation>O início da janela de tempo é posterior ao fim da operação na linha </translation>
    </message>
    <message>
        <source>Empty client service time on row </source>
        <translation>Tempo de serviço do cliente vazio na linha </translation>
    </message>
    <message>
        <source>Invalid client service time on row </source>
        <translation>Tempo de serviço do cliente inválido na linha </translation>
    </message>
    <message>
        <source>Empty client demand value on row </source>
        <translation>Demanda do cliente vazia na linha </translation>
    </message>
    <message>
        <source>Invalid client demand value on row </source>
        <translation>Demanda do cliente inválida na linha </translation>
    </message>
    <message>
        <source>There are no vehicle data</source>
        <translation>Não existem dados de veículos</translation>
    </message>
    <message>
        <source>Missing vehicle 'Name(ID)' value on row </source>
        <translation>Não existe 'Nome' do veículo na linha </translation>
    </message>
    <message>
        <source>Missing vehicle 'Available' value on row </source>
        <translation>Não existe 'Disponível' do veículo na linha </translation>
    </message>
    <message>
        <source>Missing vehicle 'Capacity' value on row </source>
        <translation>Não existe 'Capacidade' do veículo na linha </translation>
    </message>
    <message>
        <source>Missing vehicle 'Fixed cost' value on row </source>
        <translation>Não existe 'Custo fixo' do veículo na linha </translation>
    </message>
    <message>
        <source>Missing vehicle 'Var. cost' value on row </source>
        <translation>Não existe 'Custo variável' do veículo na linha </translation>
    </message>
    <message>
        <source>Invalid vehicle 'Available' value on row </source>
        <translation>Valor 'Disponível' do veículo inválido na linha </translation>
    </message>
    <message>
        <source>Invalid vehicle 'Capacity' value on row </source>
        <translation>Valor 'Capacidade' do veículo inválido na linha </translation>
    </message>
    <message>
        <source>Invalid vehicle 'Fixed cost' value on row </source>
        <translation>Valor 'Custo fixo' do veículo inválido na linha </translation>
    </message>
    <message>
        <source>Invalid vehicle 'Var. cost' value on row </source>
        <translation>Valor 'Custo variável' do veículo inválido na linha </translation>
    </message>
    <message>
        <source>Problem generating input file...</source>
        <translation>Problema ao gerar o arquivo de entrada...</translation>
    </message>
    <message>
        <source>Exceding google request allowed...</source>
        <translation>Excedendo as requisições permitidas do google...</translation>
    </message>
    <message>
        <source>Missing json field (json)</source>
        <translation>Campo ausente no json (json)</translation>
    </message>
    <message>
        <source>Distance matrix problem (json)</source>
        <translation>Problema na matriz de distâncias (json)</translation>
    </message>
    <message>
        <source>Distance matrix API problem - invalid_query (json)</source>
        <translation>Problema na API de matriz de distâncias - consulta inválida (json)</translation>
    </message>
    <message>
        <source>Undefined OSRM API problem (json)</source>
        <translation>Problema indefinido na API OSRM (json)</translation>
    </message>
    <message>
        <source>No internet connection</source>
        <translation>Sem conexão com a internet</translation>
    </message>
    <message>
        <source>Too many clients on distance matrix (json)</source>
        <translation>Clientes demais na matriz de distâncias (json)</translation>
    </message>
    <message>
        <source>OSRM API error (json)</source>
        <translation>Erro da API OSRM (json)</translation>
    </message>
    <message>
        <source>Exceding google request allowed for time period, please check your google API configurations</source>
        <translation>Excedendo as requisições permitidas do google para o período, por favor verifique as configurações da sua API do google</translation>
    </message>
    <message>
        <source>Problem generating the input data file (json)</source>
        <translation>Problema ao gerar o arquivo de dados de entrada (json)</translation>
    </message>
    <message>
        <source>Optimization ended!</source>
        <translation>Otimização finalizada!</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Otimização</translation>
    </message>
    <message>
        <source>Load %</source>
        <translation>Carga %</translation>
    </message>
    <message>
        <source>Vehicle load utilisation (%)</source>
        <translation>Utilização da carga dos veículos (%)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Value not found</source>
        <translation>Valor não encontrado</translation>
    </message>
    <message>
        <source>Exact value not found</source>
        <translation>Valor exato não encontrado</translation>
    </message>
    <message>
        <source>lat/long already exists</source>
        <translation>lat/long já existe</translation>
    </message>
    <message>
        <source>Missing or invalid email</source>
        <translation>Email ausente ou inválido</translation>
    </message>
    <message>
        <source>API error</source>
        <translation>Erro de API</translation>
    </message>
    <message>
        <source>&lt;p&gt;Missing or invalid email, to change:&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Open the settings window&lt;/li&gt;&lt;li&gt;In 'API info'&lt;/li&gt;&lt;li&gt;Input a valid email&lt;/li&gt;&lt;/ol&gt;</source>
        <translation>&lt;p&gt;Email ausente ou inválido, para alterar:&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Abra a janela de configurações&lt;/li&gt;&lt;li&gt;Em 'Informações de API'&lt;/li&gt;&lt;li&gt;Informe um email válido&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Missing or invalid google API key, to change:&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Open the settings window&lt;/li&gt;&lt;li&gt;In 'API info'&lt;/li&gt;&lt;li&gt;Input a valid google API key&lt;/li&gt;&lt;/ol&gt;</source>
        <translation>&lt;p&gt;Chave da API do google ausente ou inválida, para alterar:&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Abra a janela de configurações&lt;/li&gt;&lt;li&gt;Em 'Informações de API'&lt;/li&gt;&lt;li&gt;Informe uma chave de API do google válida&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <source>Erase row</source>
        <translation>Apaga linha</translation>
    </message>
    <message>
        <source>Erase the complete row</source>
        <translation>Apaga a linha completa</translation>
    </message>
    <message>
        <source>&amp;Remove row</source>
        <translation>Remover linha</translation>
    </message>
    <message>
        <source>Remove the current row</source>
        <translation>Remove a linha atual</translation>
    </message>
    <message>
        <source>&amp;Add row</source>
        <translation>Adicionar linha</translation>
    </message>
    <message>
        <source>Add a new row</source>
        <translation>Adicionar nova linha</translation>
    </message>
    <message>
        <source>&amp;Delete row</source>
        <translation>Remover linha</translation>
    </message>
    <message>
        <source>Delete the complete row</source>
        <translation>Remove a linha completa</translation>
    </message>
</context>
</TS>
